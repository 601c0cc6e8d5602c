#pragma once

#include "app/PlaceholderDialog.h"

namespace vaduvizu {

// Placeholder for the rules editor; its controls arrive with the dialog itself.
class TFLoRa_Set_Access : public PlaceholderDialog {
public:
    explicit TFLoRa_Set_Access(AppContext& context, QWidget* parent = nullptr)
        : PlaceholderDialog(context, QStringLiteral("TFLoRa_Set_Access"), 1200, parent) {}
};

} // namespace vaduvizu
