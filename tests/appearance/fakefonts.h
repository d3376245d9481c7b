#pragma once

#include "core/platform.h"

#include <QStringList>

// A machine whose fonts the test decides: a fixed list of names, 10 points
// realised as 9.75 and 8 as 8.25, every other size exact, and missing
// families reported under their own name.
class FakeFonts : public FontPlatform {
public:
    explicit FakeFonts(QStringList fonts) : m_fonts(std::move(fonts)) {}
    QStringList screenFonts() const override { return m_fonts; }
    double realisedSize(const QString&, double points) const override {
        if (points == 10.0) return 9.75;
        if (points == 8.0) return 8.25;
        return points;
    }
    QString realisedFamily(const QString& family) const override { return family; }

private:
    QStringList m_fonts;
};
