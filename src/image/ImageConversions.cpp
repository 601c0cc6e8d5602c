#include "image/ImageConversions.h"

#include "parameters/DecimalNumber.h"
#include "parameters/RegionalPlan.h"

#include <array>
#include <limits>

namespace vaduvizu::image {

namespace {

struct NamedCode {
    const char* name;
    std::uint8_t code;
};

// Band names as the compiler compares them, after trimming and upper-casing.
constexpr std::array<NamedCode, 7> Bands{{
    {"AS923", 0},
    {"AU915", 1},
    {"EU868", 5},
    {"KR920", 6},
    {"IN865", 7},
    {"US915", 8},
    {"US915-HYBRID", 9},
}};

std::uint8_t codeOf(std::span<const NamedCode> table, const QString& text) {
    const QString key = upperAscii(trimmedText(text));
    for (const NamedCode& entry : table)
        if (key == QLatin1String(entry.name))
            return entry.code;
    return 0;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

QString trimmedText(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString upperAscii(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return result;
}

std::string_view trimmedText(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

std::optional<std::int32_t> decimalInteger(std::string_view text) {
    const std::optional<qint64> value = decimalNumber(text);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<std::int32_t> decimalInteger(const QString& text) {
    const QByteArray bytes = text.toUtf8(); // a non-ASCII digit becomes non-digit bytes
    return decimalInteger(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

std::uint8_t Get_Band_Code(const QString& text) {
    return codeOf(Bands, text);
}

std::uint8_t Get_Network_Type(const QString& text) {
    static constexpr std::array<NamedCode, 2> Types{{{"PRIVATE", 0}, {"PUBLIC", 1}}};
    return codeOf(Types, text);
}

std::uint8_t Get_Activation_Method(const QString& text) {
    static constexpr std::array<NamedCode, 2> Methods{{
        {"ACTIVATION BY PERSONALIZATION [ABP]", 0},
        {"OVER-THE-AIR ACTIVATION [OTAA]", 1},
    }};
    return codeOf(Methods, text);
}

std::uint8_t Get_Transmission_Type(const QString& text) {
    // Compared exactly: letter case and blanks count.
    return text == QLatin1String("Confirmed") ? 1 : 0;
}

std::uint8_t dataRateNumber(const QString& text) {
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0)
        return 0;
    const std::optional<std::int32_t> number = decimalInteger(trimmedText(text.left(dash)));
    return number ? static_cast<std::uint8_t>(*number) : 0;
}

QString Pad_Zero(const QString& text, int digits) {
    if (text.size() >= digits)
        return text;
    return QString(digits - text.size(), u'0') + text;
}

void Hex_To_Bytes(const QString& text, std::span<std::uint8_t> field) {
    for (std::size_t i = 0; i < field.size(); ++i) {
        const qsizetype at = static_cast<qsizetype>(2 * i);
        int high = -1;
        int low = -1;
        if (at + 1 < text.size()) {
            high = hexDigit(text[at]);
            low = hexDigit(text[at + 1]);
        }
        field[i] = (high < 0 || low < 0) ? 0 : static_cast<std::uint8_t>(high * 16 + low);
    }
}

QString bandName(std::uint8_t code) {
    // The names as the communication parameters dialog lists and writes them.
    for (const RegionalBand& band : regionalPlan())
        if (Get_Band_Code(band.name) == code)
            return band.name;
    return {};
}

} // namespace vaduvizu::image
