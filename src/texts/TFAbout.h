#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vaduvizu {

struct AppContext;
class ClickableLabel;

// The About box: the product's identity in fixed English texts (never translated).
class TFAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFAbout(AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Opens the maker's home page; also the click handler of the picture.
    void Label4Click();

    AppContext& m_context;
    ClickableLabel* I_Logo = nullptr;
    QLabel* L_Software = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_Version = nullptr;
    QLabel* L_Doc_Code = nullptr;
    ClickableLabel* Label4 = nullptr;
    QPushButton* Btn_OK = nullptr;
};

} // namespace vaduvizu
