#include "app/MessageBoxes.h"

#include <QMessageBox>

namespace vaduvizu {

void QtMessageBoxes::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("Error"), text);
}

void QtMessageBoxes::warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("Warning"), text);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace vaduvizu
