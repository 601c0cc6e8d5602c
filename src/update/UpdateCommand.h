#pragma once

#include <QString>

namespace vaduvizu {

namespace image {
class ImageCompiler;
}

// Text shown when an enabled uplink rule does not fit into the payload.
inline constexpr int PayloadCheckFailedText = 30;

// True when every enabled uplink rule of the project fits into the LoRaWAN payload size minus
// 2. A rule counts as enabled only when its Enable is exactly "Y"; a missing or non-numeric
// NumByte fails; without a parameter file the payload size is 0. A project without a rules
// file, or whose rules file has no uplink list, passes (the build then reports the missing list).
// Throws FileError when a file cannot be read or parsed.
bool Check_Config_LoraWAN(const QString& projectFolder);

// What the update command found, for the window that runs it.
struct UpdateDeviceResult {
    enum class Outcome {
        ImagesWritten,      // both images are in the bin folder: open the update dialog
        PayloadCheckFailed, // show text PayloadCheckFailedText; nothing was built or written
        Failed,             // show message; the update dialog must not open
    };
    Outcome outcome = Outcome::Failed;
    QString message;
};

// The update command up to the update dialog: the payload check, then the build of both
// images and their writing into the project's bin folder. A file that cannot be read, a
// refused build or a failed write ends it with a message.
UpdateDeviceResult Update_Device(image::ImageCompiler& compiler, const QString& projectFolder);

} // namespace vaduvizu
