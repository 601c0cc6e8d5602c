#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace vaduvizu {

class MessageBoxes;

// The text shown to the user for an unexpected failure.
QString failureText(const std::exception_ptr& failure);

// Runs body. An unexpected failure (a file that cannot be read, parsed or written, any other
// exception) ends the operation and is shown in an error box over parent; the application
// goes on. Returns true when body ran to its end.
bool guarded(QWidget* parent, MessageBoxes& boxes, const std::function<void()>& body);

// The last net: no exception from an event handler ever crosses the event loop.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    void setMessageBoxes(MessageBoxes* boxes) { m_boxes = boxes; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    MessageBoxes* m_boxes = nullptr;
};

} // namespace vaduvizu
