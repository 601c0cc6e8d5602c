#include "app/GeneralErrorHandler.h"

#include "app/FileError.h"
#include "app/MessageBoxes.h"

#include <QTextStream>

namespace vaduvizu {

QString failureText(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const FileError& error) {
        return error.message();
    } catch (const std::exception& error) {
        const QString what = QString::fromUtf8(error.what());
        return what.isEmpty() ? QStringLiteral("Unexpected error") : what;
    } catch (...) {
        return QStringLiteral("Unexpected error");
    }
}

bool guarded(QWidget* parent, MessageBoxes& boxes, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (...) {
        boxes.error(parent, failureText(std::current_exception()));
        return false;
    }
}

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString text = failureText(std::current_exception());
        if (m_boxes)
            m_boxes->error(activeWindow(), text);
        else
            QTextStream(stderr) << text << "\n";
        return false;
    }
}

} // namespace vaduvizu
