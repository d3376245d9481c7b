#include "ui/units.h"

#include <cmath>

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

QRect toPixels(const Rect& rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

QColor toQColor(Colour colour) {
    const Rgb rgb = splitColour(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont toQFont(const Font& font) {
    QFont qfont(font.name);
    if (font.size > 0.0) qfont.setPointSizeF(font.size);
    return qfont;
}

QString toDisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
