#include "parameters/DecimalNumber.h"

namespace vaduvizu {

std::optional<qint64> decimalNumber(const QString& text) {
    qsizetype digitsFrom = 0;
    if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-'))
        digitsFrom = 1;
    if (digitsFrom == text.size())
        return std::nullopt;
    for (qsizetype i = digitsFrom; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

qint64 decimalOr(const QString& text, qint64 fallback) {
    return decimalNumber(text).value_or(fallback);
}

} // namespace vaduvizu
