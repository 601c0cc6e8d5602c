#include "image/ImageReport.h"

#include "image/ImageConversions.h"
#include "image/ImageLayout.h"
#include "image/ParameterRecord.h"

#include <algorithm>

namespace vaduvizu::image {

namespace {

QString hex(std::span<const std::uint8_t> bytes) {
    QString text;
    for (std::uint8_t b : bytes)
        text += QStringLiteral("%1").arg(b, 2, 16, QChar(u'0')).toUpper();
    return text;
}

// A device address (five digits) or a checksum (eight) in hexadecimal.
QString address(std::uint32_t value, int digits = 5) {
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

QString dotted(std::span<const std::uint8_t> bytes) {
    QStringList parts;
    for (std::uint8_t b : bytes)
        parts << QString::number(b);
    return parts.join(u'.');
}

// The first non-zero byte in [from, to), or -1.
qsizetype firstNonZero(std::span<const std::uint8_t> bytes, std::size_t from, std::size_t to) {
    const auto it = std::find_if(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                                 bytes.begin() + static_cast<std::ptrdiff_t>(to),
                                 [](std::uint8_t b) { return b != 0; });
    return it == bytes.begin() + static_cast<std::ptrdiff_t>(to) ? -1 : it - bytes.begin();
}

void inspectParameters(std::span<const std::uint8_t> image, ImageReport& result) {
    result.lines << QStringLiteral("Parameter image (%1 bytes)").arg(image.size());
    if (image.size() != ParameterImageSize) {
        result.problems << QStringLiteral("The parameter image holds %1 bytes instead of %2.")
                               .arg(image.size())
                               .arg(ParameterImageSize);
        return;
    }
    const bool noGateway = std::all_of(image.begin() + ParameterRecord::GatewayOffset,
                                       image.begin() + ParameterRecord::GatewayOffset + 4,
                                       [](std::uint8_t b) { return b == 0xFF; });
    result.lines << QStringLiteral("  Modbus TCP slave IP address: %1")
                        .arg(dotted(image.subspan(ParameterRecord::IpAddressOffset, 4)))
                 << QStringLiteral("  Subnet mask: %1")
                        .arg(dotted(image.subspan(ParameterRecord::SubnetMaskOffset, 4)))
                 << QStringLiteral("  Default gateway: %1")
                        .arg(noGateway ? QStringLiteral("none")
                                       : dotted(image.subspan(ParameterRecord::GatewayOffset, 4)))
                 << QStringLiteral("  Port: %1").arg(getLe16(image, ParameterRecord::PortOffset));
    const std::uint32_t rulesAddress = getLe32(image, RulesAddressOffset);
    result.lines << QStringLiteral("  Rules image address: %1").arg(address(rulesAddress));

    const std::uint32_t sum = parameterChecksum(image);
    const std::uint32_t stored = getLe32(image, ChecksumOffset);
    result.lines << QStringLiteral("  Checksum: %1 (%2)")
                        .arg(address(stored, 8))
                        .arg(stored == sum ? QStringLiteral("correct") : QStringLiteral("wrong"));
    if (stored != sum)
        result.problems << QStringLiteral("The parameter image's checksum is %1, but its "
                                          "bytes add up to %2.")
                               .arg(address(stored, 8), address(sum, 8));
    if (rulesAddress != RulesImageBase)
        result.problems << QStringLiteral("The parameter image gives the rules image address "
                                          "%1 instead of %2.")
                               .arg(address(rulesAddress), address(RulesImageBase));
    if (getLe16(image, ParameterRecord::PortCopyOffset) !=
        getLe16(image, ParameterRecord::PortOffset))
        result.problems << QStringLiteral("The two copies of the port in the parameter image "
                                          "differ.");
}

QString triggerText(std::uint8_t triggers) {
    QStringList names;
    if (triggers & TriggerOnChange)
        names << QStringLiteral("on change");
    if (triggers & TriggerOnCommand)
        names << QStringLiteral("on command");
    if (triggers & TriggerOnTimer)
        names << QStringLiteral("on timer");
    return names.isEmpty() ? QStringLiteral("no trigger") : names.join(QStringLiteral(", "));
}

void inspectTable(std::span<const std::uint8_t> image, const char* name, std::size_t offset,
                  std::size_t addressOffset, std::size_t countOffset, bool uplink,
                  ImageReport& result) {
    const std::uint32_t tableAddress = getLe32(image, addressOffset);
    const std::uint16_t count = getLe16(image, countOffset);
    result.lines << QStringLiteral("  %1 table at %2: %3 rule(s)")
                        .arg(QLatin1String(name), address(tableAddress))
                        .arg(count);
    const std::uint32_t expected = RulesImageBase + static_cast<std::uint32_t>(offset);
    if (tableAddress != expected)
        result.problems << QStringLiteral("The %1 table address is %2 instead of %3.")
                               .arg(QLatin1String(name), address(tableAddress), address(expected));
    if (count > RuleTableEntries)
        result.problems << QStringLiteral("The %1 count %2 is more than the %3 entries of the "
                                          "table.")
                               .arg(QLatin1String(name))
                               .arg(count)
                               .arg(RuleTableEntries);
    const std::size_t used = std::min<std::size_t>(count, RuleTableEntries);
    for (std::size_t i = 0; i < used; ++i) {
        const std::size_t at = offset + i * RuleEntrySize;
        QString line = QStringLiteral("    %1: start byte %2, %3 byte(s)")
                           .arg(i + 1)
                           .arg(getLe16(image, at))
                           .arg(getLe16(image, at + 2));
        if (uplink)
            line += QStringLiteral(", %1, time %2 s")
                        .arg(triggerText(image[at + 4]))
                        .arg(getLe32(image, at + 8));
        line += QStringLiteral(", frame port %1").arg(image[at + 5]);
        result.lines << line;
        if (image[at + 6] != 0 || image[at + 7] != 0 || (image[at + 4] & 0xF8) != 0 ||
            (!uplink && (image[at + 4] != 0 || getLe32(image, at + 8) != 0)))
            result.problems << QStringLiteral("%1 entry %2 has bits set that must be zero.")
                                   .arg(QLatin1String(name))
                                   .arg(i + 1);
    }
    const qsizetype stray = firstNonZero(image, offset + used * RuleEntrySize,
                                         offset + RuleTableEntries * RuleEntrySize);
    if (stray >= 0)
        result.problems << QStringLiteral("The %1 table holds data after its %2 entries in use "
                                          "(offset 0x%3).")
                               .arg(QLatin1String(name))
                               .arg(used)
                               .arg(stray, 0, 16);
}

void inspectRules(std::span<const std::uint8_t> image, ImageReport& result) {
    result.lines << QStringLiteral("Rules image (%1 bytes)").arg(image.size());
    if (image.size() != RulesImageSize) {
        result.problems << QStringLiteral("The rules image holds %1 bytes instead of %2.")
                               .arg(image.size())
                               .arg(RulesImageSize);
        return;
    }
    const QString band = bandName(image[0]);
    const bool otaa = image[2] == 1;
    result.lines
        << QStringLiteral("  Band: %1 (code %2)")
               .arg(band.isEmpty() ? QStringLiteral("unknown") : band)
               .arg(image[0])
        << QStringLiteral("  Network type: %1")
               .arg(image[1] == 1 ? QStringLiteral("Public") : QStringLiteral("Private"))
        << QStringLiteral("  Activation: %1")
               .arg(otaa ? QStringLiteral("OTAA") : QStringLiteral("ABP"))
        << QStringLiteral("  Data rate: %1").arg(image[3])
        << QStringLiteral("  Adaptive data rate: %1").arg(image[0x40])
        << QStringLiteral("  Transmission: %1")
               .arg(image[0x41] == 1 ? QStringLiteral("Confirmed") : QStringLiteral("Unconfirmed"))
        << QStringLiteral("  Payload size: %1").arg(image[0x42])
        << QStringLiteral("  Frame port: %1")
               .arg(image[0x43] == 1 ? QStringLiteral("Variable") : QStringLiteral("Fixed"))
        << QStringLiteral("  Transmit interval: %1").arg(getLe32(image, 0x44))
        << QStringLiteral("  Device address: %1").arg(hex(image.subspan(0x04, 4)))
        << QStringLiteral("  JoinEUI: %1").arg(hex(image.subspan(0x08, 8)))
        << QStringLiteral("  Network session key: %1").arg(hex(image.subspan(0x10, 16)))
        << QStringLiteral("  Application session key: %1").arg(hex(image.subspan(0x20, 16)))
        << QStringLiteral("  Application key: %1").arg(hex(image.subspan(0x30, 16)));
    if (image[2] > 1)
        result.problems << QStringLiteral("The activation method code %1 is neither ABP nor OTAA.")
                               .arg(image[2]);
    inspectTable(image, "Uplink", UplinkTableOffset, 0x48, 0x50, true, result);
    inspectTable(image, "Downlink", DownlinkTableOffset, 0x4C, 0x52, false, result);
    for (const auto& [from, to] : {std::pair{RulesHeaderFieldsSize, UplinkTableOffset},
                                   std::pair{RulesImageSize - RulesTrailerSize, RulesImageSize}})
        if (const qsizetype stray = firstNonZero(image, from, to); stray >= 0)
            result.problems << QStringLiteral("The rules image holds data in an area that must be "
                                              "zero (offset 0x%1).")
                                   .arg(stray, 0, 16);
}

} // namespace

ImageReport reportImages(std::span<const std::uint8_t> parameterImage,
                         std::span<const std::uint8_t> rulesImage) {
    ImageReport result;
    inspectParameters(parameterImage, result);
    inspectRules(rulesImage, result);
    return result;
}

} // namespace vaduvizu::image
