#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vaduvizu::image {

// How the image compiler reads the texts of the project files. Each rule is deliberately
// narrow: the device gets exactly the bytes the texts stand for, never a guess.

// Removes blanks, TABs, line breaks and other control characters from both ends.
QString trimmedText(const QString& text);

// Upper-cases the ASCII letters a-z and leaves every other character alone.
QString upperAscii(const QString& text);

// decimalNumber(text) when it fits into 32 signed bits (the width the device reads); nullopt
// for anything else, blanks included.
std::optional<std::int32_t> decimalInteger(const QString& text);
std::optional<std::int32_t> decimalInteger(std::string_view text);

// UTF-8 bytes without the blanks, TABs, line breaks and control characters at both ends.
std::string_view trimmedText(std::string_view text);

// Byte codes of the LoRaWAN settings; any text outside the lists gives 0.
std::uint8_t Get_Band_Code(const QString& text);
std::uint8_t Get_Network_Type(const QString& text);
std::uint8_t Get_Activation_Method(const QString& text);
std::uint8_t Get_Transmission_Type(const QString& text);

// The data-rate number: the text before the first "-", trimmed; 0 when there is no "-" or
// no number there.
std::uint8_t dataRateNumber(const QString& text);

// "0" characters in front of text until it has digits characters; a longer text is kept.
QString Pad_Zero(const QString& text, int digits);

// Fills field from text, two characters per byte from the left, first pair first. A pair
// that is not two hexadecimal digits, or that is missing, gives 0.
void Hex_To_Bytes(const QString& text, std::span<std::uint8_t> field);

// Band name for a band code, or an empty text for a code without a band.
QString bandName(std::uint8_t code);

} // namespace vaduvizu::image
