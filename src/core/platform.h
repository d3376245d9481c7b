#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// What the program needs from the machine it runs on, kept abstract so that
// every behaviour runs in tests with fakes.

// An image drawn unscaled from a box's top-left corner. Boxes share one.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int widthPixels() const = 0;
    virtual int heightPixels() const = 0;
};
using PictureRef = std::shared_ptr<const Picture>;

// The installed screen fonts and the size a font is really drawn at.
class FontPlatform {
public:
    virtual ~FontPlatform() = default;
    virtual QStringList screenFonts() const = 0;
    // The size, in points, at which a font asked for at `points` is realised.
    virtual double realisedSize(const QString& family, double points) const = 0;
    // The name the platform reports for a font asked for by `family` (the
    // substitute it chose where that family is missing).
    virtual QString realisedFamily(const QString& family) const = 0;
};

// Ends the program at once, without running any window's closing handling.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endNow() = 0;
};
