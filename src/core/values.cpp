#include "core/values.h"

#include <cmath>
#include <limits>

namespace {

struct NumberScan {
    double value = 0.0;
    qsizetype end = 0; // index just past the number; 0 digits read means no number
    bool found = false;
};

NumberScan scanNumber(const QString& text, qsizetype from) {
    NumberScan scan;
    qsizetype i = from;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0.0;
    bool digits = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10.0 + (text[i].unicode() - u'0');
        digits = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        double scale = 0.1;
        bool fraction = false;
        while (j < n && text[j] >= u'0' && text[j] <= u'9') {
            value += (text[j].unicode() - u'0') * scale;
            scale /= 10.0;
            fraction = true;
            ++j;
        }
        if (fraction || digits) {
            digits = digits || fraction;
            i = j;
        }
    }
    if (!digits) return scan;
    scan.value = negative ? -value : value;
    scan.end = i;
    scan.found = true;
    return scan;
}

} // namespace

double numericParse(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return scanNumber(text, i).value;
}

std::optional<double> strictNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const NumberScan scan = scanNumber(text, i);
    if (!scan.found) return std::nullopt;
    qsizetype j = scan.end;
    while (j < text.size() && text[j] == u' ')
        ++j;
    if (j != text.size()) return std::nullopt;
    return scan.value;
}

QString decimalText(long long value) {
    return QString::number(value);
}

std::int16_t roundToInt16(double value) {
    if (std::isnan(value)) return 0;
    // nearbyint rounds in the current mode, which is to-nearest-even unless
    // someone changed it; do the tie by hand so that never matters.
    double whole = std::floor(value);
    const double diff = value - whole;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (whole < low) return std::numeric_limits<std::int16_t>::min();
    if (whole > high) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(whole);
}

std::int16_t parseInt16(const QString& text) {
    return roundToInt16(numericParse(text));
}

Rgb splitColour(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
            static_cast<int>((bits >> 16) & 0xFFu)};
}

Colour joinColour(int red, int green, int blue) {
    return (red & 0xFF) + 256 * (green & 0xFF) + 65536 * (blue & 0xFF);
}
