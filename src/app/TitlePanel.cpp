#include "app/TitlePanel.h"

#include "app/ProductIdentity.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vaduvizu {

TitlePanel makeTitlePanel(QWidget* dialog) {
    auto* panel = new QWidget(dialog);
    panel->setObjectName(QStringLiteral("P_Title"));
    auto* code = new QLabel(QString::fromUtf8(product::SoftwareCode), panel);
    code->setObjectName(QStringLiteral("L_SW_Code"));
    auto* description = new QLabel(panel);
    description->setObjectName(QStringLiteral("L_SW_Desc"));

    QFont codeFont = code->font();
    codeFont.setPointSize(16);
    codeFont.setBold(true);
    code->setFont(codeFont);
    QFont descriptionFont = description->font();
    descriptionFont.setBold(true);
    description->setFont(descriptionFont);
    for (QLabel* label : {code, description}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::gray);
        label->setPalette(palette);
    }

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(0);
    layout->addWidget(code);
    layout->addWidget(description);
    return {panel, code, description};
}

} // namespace vaduvizu
