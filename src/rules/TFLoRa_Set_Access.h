#pragma once

#include <QDialog>

namespace vaduvizu {

struct AppContext;

// Placeholder for the rules editor: created at start-up and shown by the main window, with the
// window title from its text block; its controls arrive with the dialog itself.
class TFLoRa_Set_Access : public QDialog {
    Q_OBJECT
public:
    explicit TFLoRa_Set_Access(AppContext& context, QWidget* parent = nullptr);
    void Set_Lang();

private:
    AppContext& m_context;
};

} // namespace vaduvizu
