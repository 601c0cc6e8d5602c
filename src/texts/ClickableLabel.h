#pragma once

#include <QLabel>

namespace vaduvizu {

// A label (text or picture) that reports a click of the left mouse button.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vaduvizu
