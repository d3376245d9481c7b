#pragma once

#include "core/platform.h"

// The fonts of the machine, as Qt sees them. Needs a QGuiApplication.
class QtFontPlatform : public FontPlatform {
public:
    QStringList screenFonts() const override;
    // Whole pixels at 96 dots an inch: 10 points are drawn 13 pixels high,
    // which is 9.75 points; 8 points 11 pixels, 8.25 points.
    double realisedSize(const QString& family, double points) const override;
    QString realisedFamily(const QString& family) const override;
};
