#pragma once

#include "core/controls.h"

#include <QColor>
#include <QFont>
#include <QRect>

// The model measures in twips and Colour values; Qt in logical pixels and
// QColor. 1440 twips an inch at 96 logical dots an inch is 15 twips a pixel.
constexpr int TwipsPerPixel = 15;

int toPixels(int twips);
QRect toPixels(const Rect& rect);
QColor toQColor(Colour colour);
QFont toQFont(const Font& font);
// Text boxes keep CR LF line ends; Qt breaks lines at LF alone.
QString toDisplayText(const QString& text);
