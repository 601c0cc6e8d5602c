#pragma once

#include <QString>
#include <optional>

namespace vaduvizu {

// The whole text read as a decimal integer: an optional sign and ASCII digits, nothing else
// (no blanks, no other base). nullopt when the text is not one or does not fit an int.
inline std::optional<int> decimalInteger(const QString& text) {
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace vaduvizu
