#include "image/ParameterRecord.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace vaduvizu::image {

namespace {

struct DefaultBytes {
    std::size_t offset;
    std::array<std::uint8_t, 8> bytes;
    std::size_t size;
};

// The non-zero defaults of the record; every other byte is zero.
constexpr std::array<DefaultBytes, 10> NonZeroDefaults{{
    {0x000, {0x90, 0xD0, 0x03, 0x00}, 4}, // 250000
    {0x004, {0x90, 0xD0, 0x03, 0x00}, 4}, // 250000
    {0x00C, {0x80, 0x25, 0x00, 0x00}, 4}, // 9600
    {0x028, {0xC0, 0xA8, 0x02, 0xCD}, 4}, // 192.168.2.205
    {0x02C, {0xFF, 0xFF, 0xFF, 0x00}, 4}, // 255.255.255.0
    {0x030, {0xFF, 0xFF, 0xFF, 0xFF}, 4}, // no gateway
    {0x034, {0x10, 0x27}, 2},             // 10000, the application port of the update job
    {0x036, {0x11, 0x27}, 2},             // slave port 10001
    {0x038, {0x11, 0x27}, 2},             // its second copy
    {0x1B4, {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, 8},
}};

} // namespace

void ParameterRecord::Set_Default_Parameters() {
    bytes.fill(0);
    for (const DefaultBytes& entry : NonZeroDefaults)
        std::copy_n(entry.bytes.begin(), entry.size, bytes.begin() + entry.offset);
}

std::uint32_t parameterChecksum(std::span<const std::uint8_t> image) {
    return std::accumulate(image.begin(), image.begin() + ChecksumOffset, std::uint32_t{0});
}

std::uint32_t ParameterRecord::checksum() const {
    return parameterChecksum(bytes);
}

std::size_t ParameterRecord::Save_Parameter_Bank(std::span<std::uint8_t> out,
                                                 std::size_t position) {
    if (position > out.size() || out.size() - position < bytes.size())
        throw std::out_of_range("the parameter image does not fit into the output buffer");
    putLe32(bytes, ChecksumOffset, checksum());
    std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(position));
    return position + bytes.size();
}

} // namespace vaduvizu::image
