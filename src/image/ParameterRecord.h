#pragma once

#include "image/ImageLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vaduvizu::image {

// The 2048-byte parameter image: the Modbus TCP slave's network settings, the address of the
// rules image, fixed values the device firmware expects and a checksum. bank1.bin is this
// record byte for byte.
struct ParameterRecord {
    std::array<std::uint8_t, ParameterImageSize> bytes{};

    // Offsets of the values the parameter file fills.
    static constexpr std::size_t IpAddressOffset = 0x028;
    static constexpr std::size_t SubnetMaskOffset = 0x02C;
    static constexpr std::size_t GatewayOffset = 0x030;
    static constexpr std::size_t PortOffset = 0x036;
    static constexpr std::size_t PortCopyOffset = 0x038;

    // Fixed table entries the parameter pass stores when the parameter file exists.
    static constexpr std::size_t WordTableEntry6Offset = 0x1A4;  // 19200
    static constexpr std::size_t ByteTable1Entry6Offset = 0x1AD; // 0
    static constexpr std::size_t ByteTable2Entry6Offset = 0x1B3; // 1
    static constexpr std::size_t EightBytesEntry6Offset = 0x1B9; // 8

    // Every byte back to the default of the format (0x65C and the checksum become zero).
    void Set_Default_Parameters();

    // Sum of the bytes 0x000-0x7FB as unsigned 8-bit values.
    std::uint32_t checksum() const;

    // Stores the checksum at 0x7FC and copies the 2048 bytes into out from position; returns
    // the position after them. Throws std::out_of_range when out is too small.
    std::size_t Save_Parameter_Bank(std::span<std::uint8_t> out, std::size_t position);
};

// Sum of the bytes 0x000-0x7FB of a parameter image as unsigned 8-bit values: what the image
// carries at 0x7FC. image holds at least those bytes.
std::uint32_t parameterChecksum(std::span<const std::uint8_t> image);

} // namespace vaduvizu::image
