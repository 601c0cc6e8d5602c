#pragma once

#include <QDialog>

namespace vaduvizu {

struct AppContext;

// Stands in for a dialog whose controls are not built yet: created at start-up and shown by the
// main window like the real one, with its object name, its caption from the text table and a
// Close button.
class PlaceholderDialog : public QDialog {
    Q_OBJECT
public:
    PlaceholderDialog(AppContext& context, const QString& objectName, int captionText,
                      QWidget* parent);
    void Set_Lang();

private:
    AppContext& m_context;
    int m_captionText;
};

} // namespace vaduvizu
