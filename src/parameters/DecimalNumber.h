#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <string_view>

namespace vaduvizu {

// The whole text read as a decimal integer: an optional sign and digits, nothing else
// (no blanks, no hexadecimal prefix). nullopt when the text is not one or does not fit.
std::optional<qint64> decimalNumber(const QString& text);
// The same for UTF-8 bytes, as XML attributes come, without building a QString.
std::optional<qint64> decimalNumber(std::string_view text);

// decimalNumber(text), or fallback when the text is not a decimal integer.
qint64 decimalOr(const QString& text, qint64 fallback);

} // namespace vaduvizu
