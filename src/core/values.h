#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A 24-bit colour: red + 256 * green + 65536 * blue.
using Colour = std::int32_t;

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Lenient number reading: leading spaces are skipped, then a leading decimal
// number (sign, digits, fraction) is read as far as it goes; anything else,
// the empty text included, is 0.
double numericParse(const QString& text);

// Strict number reading: the whole text, spaces around it aside, must be a
// decimal number.
std::optional<double> strictNumber(const QString& text);

// Digits only, a minus sign below 0, no spaces, no leading zeros: "25".
QString decimalText(long long value);

// Nearest 16-bit integer, an exact half going to the even neighbour;
// values beyond the 16-bit range are held at its ends.
std::int16_t roundToInt16(double value);

// The numeric parse of a text, rounded into 16 bits.
std::int16_t parseInt16(const QString& text);

// Red is bits 0-7, green 8-15, blue 16-23; higher bits are ignored.
Rgb splitColour(std::int32_t value);
Colour joinColour(int red, int green, int blue);
inline Colour joinColour(Rgb rgb) {
    return joinColour(rgb.red, rgb.green, rgb.blue);
}
