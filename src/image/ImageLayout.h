#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vaduvizu::image {

// Where the two images live in the device and how large they are.
inline constexpr std::uint32_t RulesImageBase = 0x80000;
inline constexpr std::size_t ParameterImageSize = 2048;
inline constexpr std::size_t RulesImageSize = 8192;
inline constexpr std::size_t OutputBufferSize = 0x20000; // 128 KiB per image

// Parameter image offsets.
inline constexpr std::size_t ChecksumOffset = 0x7FC;
inline constexpr std::size_t RulesAddressOffset = 0x65C;

// Rules image layout.
inline constexpr std::size_t RulesHeaderFieldsSize = 0x54;
inline constexpr std::size_t UplinkTableOffset = 0x400;
inline constexpr std::size_t DownlinkTableOffset = 0x1000;
inline constexpr std::size_t RuleTableEntries = 256;
inline constexpr std::size_t RuleEntrySize = 12;
inline constexpr std::size_t RulesTrailerSize = 1024;

// Rule entry trigger bits.
inline constexpr std::uint8_t TriggerOnChange = 0x01;
inline constexpr std::uint8_t TriggerOnCommand = 0x02;
inline constexpr std::uint8_t TriggerOnTimer = 0x04;

// The frame port every rule gets while the frame port is fixed.
inline constexpr std::uint8_t DefaultFramePort = 2;

// Little-endian helpers: every multi-byte number of both images is unsigned, low byte first.
inline void putLe16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void putLe32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint16_t getLe16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t getLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

} // namespace vaduvizu::image
