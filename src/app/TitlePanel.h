#pragma once

class QLabel;
class QWidget;

namespace vaduvizu {

// The band at the top of a dialog: the software code in large grey letters (L_SW_Code) and,
// below it, the dialog's description (L_SW_Desc, set by the dialog's Set_Lang).
struct TitlePanel {
    QWidget* panel;
    QLabel* code;
    QLabel* description;
};
TitlePanel makeTitlePanel(QWidget* dialog);

} // namespace vaduvizu
