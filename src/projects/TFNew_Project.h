#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vaduvizu {

struct AppContext;

// Asks for the name of a new configuration and creates its folder; on OK the new project is
// the active one.
class TFNew_Project : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 331;
    static constexpr int ClientHeight = 162;

    explicit TFNew_Project(AppContext& context, QWidget* parent = nullptr);
    void Set_Lang();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Btn_OKClick();
    void E_New_ProjKeyPress();

    AppContext& m_context;
    QLabel* L_SW_Desc = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* E_New_Proj = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace vaduvizu
