#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace vaduvizu {

struct AppContext;

// Lists the configurations in the projects folder and lets the user pick one; the main window
// opens the chosen one (Name_Conf) when the dialog closes with OK.
class TFOpenConf : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 377;
    static constexpr int ClientHeight = 351;

    explicit TFOpenConf(AppContext& context, QWidget* parent = nullptr);
    void Set_Lang();

    // The project chosen in the dialog; empty when the list is empty.
    const QString& Name_Conf() const { return m_nameConf; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Load_Existing_Configuration();
    void ListBox1Click();

    AppContext& m_context;
    QStringList SL;
    QString m_nameConf;
    QLabel* L_SW_Desc = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace vaduvizu
