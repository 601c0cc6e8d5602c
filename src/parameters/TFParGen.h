#pragma once

#include "app/PlaceholderDialog.h"

namespace vaduvizu {

// Placeholder for the communication parameters dialog; its controls arrive with the dialog itself.
class TFParGen : public PlaceholderDialog {
public:
    explicit TFParGen(AppContext& context, QWidget* parent = nullptr)
        : PlaceholderDialog(context, QStringLiteral("TFParGen"), 400, parent) {}
};

} // namespace vaduvizu
