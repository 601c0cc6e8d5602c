#include "rules/TFLoRa_Set_Access.h"

#include "app/AppContext.h"
#include "texts/TextTable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vaduvizu {

TFLoRa_Set_Access::TFLoRa_Set_Access(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("TFLoRa_Set_Access"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buttons);
    Set_Lang();
}

void TFLoRa_Set_Access::Set_Lang() {
    setWindowTitle(m_context.texts[1200]);
}

} // namespace vaduvizu
