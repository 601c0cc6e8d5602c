#pragma once

// Compiled-in identity of the product: never translated, not part of the text table.
namespace vaduvizu::product {

inline constexpr char SoftwareCode[] = "VUD3O58";
inline constexpr char Description[] = "Modbus TCP Slave / LoRaWAN - Converter";
inline constexpr char MainWindowCaption[] =
    "Vivarod - Configurator VUD3O58 Modbus TCP Slave / LoRaWAN "; // the final blank belongs to it
inline constexpr char SoftwareVersion[] = "1.002";
inline constexpr char ManualCode[] = "MNT3K58";
inline constexpr char HardwareCode[] = "HDT3K58";

} // namespace vaduvizu::product
