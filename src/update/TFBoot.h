#pragma once

#include "app/PlaceholderDialog.h"

namespace vaduvizu {

// Placeholder for the update dialog; its controls arrive with the dialog itself.
class TFBoot : public PlaceholderDialog {
public:
    explicit TFBoot(AppContext& context, QWidget* parent = nullptr)
        : PlaceholderDialog(context, QStringLiteral("TFBoot"), 1002, parent) {}
};

} // namespace vaduvizu
