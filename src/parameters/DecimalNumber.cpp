#include "parameters/DecimalNumber.h"

#include <charconv>

namespace vaduvizu {

std::optional<qint64> decimalNumber(std::string_view text) {
    // from_chars takes a "-" but no "+", and stops at the first non-digit.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    qint64 value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<qint64> decimalNumber(const QString& text) {
    const QByteArray bytes = text.toUtf8(); // a non-ASCII digit becomes non-digit bytes
    return decimalNumber(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

qint64 decimalOr(const QString& text, qint64 fallback) {
    return decimalNumber(text).value_or(fallback);
}

} // namespace vaduvizu
