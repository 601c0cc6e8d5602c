#include "update/TFBoot.h"

#include "app/AppContext.h"
#include "texts/TextTable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vaduvizu {

TFBoot::TFBoot(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("TFBoot"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buttons);
    Set_Lang();
}

void TFBoot::Set_Lang() {
    setWindowTitle(m_context.texts[1002]);
}

} // namespace vaduvizu
