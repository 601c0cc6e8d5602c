#pragma once

#include <QDialog>
#include <QStringList>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

namespace vaduvizu {

struct AppContext;
class ClickableLabel;

// The options dialog: language of the user interface, internet access and version check,
// behaviour of the editing grids. It works on a copy of the options; OK stores them into the
// application state (the main window then writes the settings file and re-arms its timer).
// A language picked here re-translates every window at once, but becomes the current
// language only on OK.
class TFSoftOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFSoftOptions(AppContext& context, QWidget* parent = nullptr);

    void Set_Lang();

    // Asks the maker's server; true when it announces a newer version than the installed one.
    bool Check_Version();
    // A version text as a four-digit number, -1 when it is none.
    static int Conv_Version(const QString& text);

    // The language chosen in this showing of the dialog.
    const QString& languageInUse() const { return Language_In_Use; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void Create_Lang_List();
    void Update_Lang_Page();
    void Update_Lang_Labels();
    void Btn_NextClick(bool forward);
    void LangClick(int slot);
    void Update_CheckBox();
    void CB_En_ConClick();
    void Btn_Check_UpdateClick();
    void LL_Check_UpdateLinkClick(const QString& link);
    void Btn_OKClick();

    AppContext& m_context;

    QStringList SL_Languages;
    int Show_Page = 1;
    QString Language_In_Use;

    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QTabWidget* PC_Options = nullptr;
    QWidget* TS_Language = nullptr;
    QWidget* TS_Con_Options = nullptr;
    QWidget* TS_Soft_Settings = nullptr;
    QLabel* L_Sel_Lang = nullptr;
    QLabel* L_Page_Lang = nullptr;
    QPushButton* Btn_Prev = nullptr;
    QPushButton* Btn_Next = nullptr;
    std::array<ClickableLabel*, 6> I_L{};
    std::array<ClickableLabel*, 6> L_L{};
    QCheckBox* CB_En_Con = nullptr;
    QCheckBox* CB_Update = nullptr;
    QPushButton* Btn_Check_Update = nullptr;
    QLabel* LL_Check_Update = nullptr;
    QCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    QCheckBox* CB_DoubleClick_Auto_Size = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace vaduvizu
