#pragma once

namespace vaduvizu::image {

// Names of the files inside a project folder that the image compiler, the payload check and
// the update job file use.
inline constexpr char ParameterFileName[] = "ParGen.xml";
inline constexpr char RulesFileName[] = "LoRaWAN_SetAccess.xml";
inline constexpr char BinFolderName[] = "bin";
inline constexpr char ParameterImageName[] = "bank1.bin";
inline constexpr char RulesImageName[] = "bank2.bin";

} // namespace vaduvizu::image
