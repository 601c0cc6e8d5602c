#pragma once

#include "image/ImageLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vaduvizu::image {

// One 12-byte entry of the uplink or downlink table.
struct RuleEntry {
    std::uint16_t startByte = 0;
    std::uint16_t numBytes = 0;
    std::uint8_t triggers = 0; // TriggerOnChange | TriggerOnCommand | TriggerOnTimer
    std::uint8_t framePort = 0;
    std::uint32_t time = 0; // seconds between timed uplinks

    bool operator==(const RuleEntry&) const = default;
};

// The LoRaWAN settings at the head of the rules image (offsets 0x000-0x053).
struct LoRaWANSettings {
    std::uint8_t bandCode = 0;
    std::uint8_t networkType = 0;
    std::uint8_t activationMethod = 0; // 0 ABP, 1 OTAA
    std::uint8_t dataRate = 6;
    std::array<std::uint8_t, 4> deviceAddress{};
    std::array<std::uint8_t, 8> joinEui{};
    std::array<std::uint8_t, 16> networkSessionKey{};
    std::array<std::uint8_t, 16> applicationSessionKey{};
    std::array<std::uint8_t, 16> applicationKey{};
    std::uint8_t adaptiveDataRate = 0;
    std::uint8_t confirmed = 0;
    std::uint8_t payloadSize = 1;
    std::uint8_t variableFramePort = 0;
    std::uint32_t transmitInterval = 1;
    std::uint32_t uplinkTableAddress = 0;
    std::uint32_t downlinkTableAddress = 0;
    std::uint16_t uplinkCount = 0;
    std::uint16_t downlinkCount = 0;
};

// The 8192-byte rules image: the LoRaWAN settings and the two rule tables.
struct RulesImage {
    LoRaWANSettings header;
    std::array<RuleEntry, RuleTableEntries> uplink{};
    std::array<RuleEntry, RuleTableEntries> downlink{};

    // The header back to its defaults and every entry of both tables zero.
    void Set_Default_LoRaWAN();

    // Writes the 8192 bytes into out from position; returns the position after them.
    // Throws std::out_of_range when out is too small.
    std::size_t Save_LoRaWAN_Bank(std::span<std::uint8_t> out, std::size_t position) const;
};

} // namespace vaduvizu::image
