#pragma once

#include <QStringList>
#include <cstdint>
#include <span>

namespace vaduvizu::image {

// Both images decoded for a person, and what is wrong with them.
struct ImageReport {
    QStringList lines;    // the decoded settings and every rule in use
    QStringList problems; // empty when both images are well-formed
};

// Decodes the parameter image and the rules image and verifies their lengths, the checksum,
// the rules-image and table addresses, the counts and that unused bytes are zero.
ImageReport reportImages(std::span<const std::uint8_t> parameterImage,
                         std::span<const std::uint8_t> rulesImage);

} // namespace vaduvizu::image
