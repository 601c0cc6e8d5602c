#pragma once

#include <QObject>

class QSocketNotifier;

namespace vaduvizu {

// Turns SIGTERM and SIGINT into the Qt signal received(), delivered by the event loop, so that
// a logout or Ctrl+C closes the main window the ordinary way (and the settings are written).
// One instance at a time; the previous handlers come back when it is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    void readPipe();
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace vaduvizu
