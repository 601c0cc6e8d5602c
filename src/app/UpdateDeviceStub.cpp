// Stand-in for the update command (payload check, image build, update dialog) until it is
// written: Step 4 opens the update dialog directly.
#include "app/TFVaduvizuFirmWare.h"
#include "update/TFBoot.h"

namespace vaduvizu {

void TFVaduvizuFirmWare::Update_Device() {
    m_boot->exec();
}

} // namespace vaduvizu
