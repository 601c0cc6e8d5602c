#pragma once

#include "parameters/ParGenForm.h"
#include "texts/TextTable.h"

#include <QString>
#include <optional>

namespace vaduvizu {

// The input check run by OK: the checks in their fixed order; the message of the first one
// that fails (to show in an error box), or nullopt when the form may be saved. No control
// takes the focus on a failure.
std::optional<QString> Controllo_Dati(const ParGenForm& form, const TextTable& texts);

} // namespace vaduvizu
