#include "ui/qtfontplatform.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include <cmath>

namespace {

constexpr double LogicalDpi = 96.0;
constexpr double PointsPerInch = 72.0;

} // namespace

QStringList QtFontPlatform::screenFonts() const {
    return QFontDatabase::families();
}

double QtFontPlatform::realisedSize(const QString& family, double points) const {
    if (!(points > 0.0)) return points;
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * LogicalDpi / PointsPerInch)));
    // A bitmap face may be drawn at a size of its own; scalable ones at the
    // pixel size asked for.
    const int pixels = QFontInfo(font).pixelSize();
    return pixels * PointsPerInch / LogicalDpi;
}

QString QtFontPlatform::realisedFamily(const QString& family) const {
    return QFontInfo(QFont(family)).family();
}
