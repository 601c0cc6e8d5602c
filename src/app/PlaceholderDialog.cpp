#include "app/PlaceholderDialog.h"

#include "app/AppContext.h"
#include "texts/TextTable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vaduvizu {

PlaceholderDialog::PlaceholderDialog(AppContext& context, const QString& objectName,
                                     int captionText, QWidget* parent)
    : QDialog(parent), m_context(context), m_captionText(captionText) {
    setObjectName(objectName);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buttons);
    Set_Lang();
}

void PlaceholderDialog::Set_Lang() {
    setWindowTitle(m_context.texts[m_captionText]);
}

} // namespace vaduvizu
