#pragma once

#include <QString>
#include <optional>
#include <pugixml.hpp>

namespace vaduvizu {

// The choices of the update dialog's option list, by index.
enum class UpdateOption {
    FirmwareAndConfiguration = 0,
    Firmware = 1,
    Configuration = 2,
};

// The option of list index index, or nullopt when the index names none (no selection).
std::optional<UpdateOption> updateOptionAt(int index);

// Everything the update job file depends on.
struct UpdateJob {
    QString applicationFolder; // where Ethernet_Update.xml goes
    QString masterFolder;      // holds the firmware file
    QString projectFolder;     // holds bin/bank1.bin and bin/bank2.bin
    QString deviceAddress;     // the dialog's four address fields joined by ".", as typed
    UpdateOption option = UpdateOption::FirmwareAndConfiguration;
    bool readBack = true;
};

inline constexpr char UpdateJobFileName[] = "Ethernet_Update.xml";
inline constexpr char FirmwareFileName[] = "SimV3U58.sim";

// Fills doc (cleared first) with the job for the external update program.
void fillUpdateJob(pugi::xml_document& doc, const UpdateJob& job);

// Replaces Ethernet_Update.xml in the application folder with the job; returns its path.
// Throws FileError when the file cannot be written.
QString Compile_XML_Parameter_New_Boot(const UpdateJob& job);

} // namespace vaduvizu
