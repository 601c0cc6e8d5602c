#include "image/RulesImage.h"

#include <algorithm>
#include <stdexcept>

namespace vaduvizu::image {

namespace {

// Appends to a span that is known to be large enough.
class ByteWriter {
public:
    ByteWriter(std::span<std::uint8_t> out, std::size_t position) : m_out(out), m_at(position) {}

    void u8(std::uint8_t value) { m_out[m_at++] = value; }
    void u16(std::uint16_t value) {
        putLe16(m_out, m_at, value);
        m_at += 2;
    }
    void u32(std::uint32_t value) {
        putLe32(m_out, m_at, value);
        m_at += 4;
    }
    void bytes(std::span<const std::uint8_t> values) {
        std::copy(values.begin(), values.end(), m_out.begin() + static_cast<std::ptrdiff_t>(m_at));
        m_at += values.size();
    }
    void zeros(std::size_t count) {
        std::fill_n(m_out.begin() + static_cast<std::ptrdiff_t>(m_at), count, std::uint8_t{0});
        m_at += count;
    }
    void entry(const RuleEntry& rule) {
        u16(rule.startByte);
        u16(rule.numBytes);
        u8(rule.triggers);
        u8(rule.framePort);
        zeros(2);
        u32(rule.time);
    }
    std::size_t position() const { return m_at; }

private:
    std::span<std::uint8_t> m_out;
    std::size_t m_at;
};

} // namespace

void RulesImage::Set_Default_LoRaWAN() {
    header = LoRaWANSettings{};
    uplink.fill(RuleEntry{});
    downlink.fill(RuleEntry{});
}

std::size_t RulesImage::Save_LoRaWAN_Bank(std::span<std::uint8_t> out, std::size_t position) const {
    if (position > out.size() || out.size() - position < RulesImageSize)
        throw std::out_of_range("the rules image does not fit into the output buffer");
    ByteWriter w(out, position);
    w.u8(header.bandCode);
    w.u8(header.networkType);
    w.u8(header.activationMethod);
    w.u8(header.dataRate);
    w.bytes(header.deviceAddress);
    w.bytes(header.joinEui);
    w.bytes(header.networkSessionKey);
    w.bytes(header.applicationSessionKey);
    w.bytes(header.applicationKey);
    w.u8(header.adaptiveDataRate);
    w.u8(header.confirmed);
    w.u8(header.payloadSize);
    w.u8(header.variableFramePort);
    w.u32(header.transmitInterval);
    w.u32(header.uplinkTableAddress);
    w.u32(header.downlinkTableAddress);
    w.u16(header.uplinkCount);
    w.u16(header.downlinkCount);
    w.zeros(UplinkTableOffset - RulesHeaderFieldsSize);
    for (const RuleEntry& rule : uplink)
        w.entry(rule);
    for (const RuleEntry& rule : downlink)
        w.entry(rule);
    w.zeros(RulesTrailerSize);
    return w.position();
}

} // namespace vaduvizu::image
