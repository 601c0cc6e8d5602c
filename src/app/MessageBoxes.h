#pragma once

#include <QString>

class QWidget;

namespace vaduvizu {

// The three kinds of message box the windows show. Windows reach them only through this
// interface, so that tests record the messages and choose the answers.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void error(QWidget* parent, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // Yes/No question; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
};

// The real boxes, modal over parent.
class QtMessageBoxes : public MessageBoxes {
public:
    void error(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
};

} // namespace vaduvizu
