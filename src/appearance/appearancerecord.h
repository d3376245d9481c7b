#pragma once

#include "core/itemlist.h"

#include <QStringList>

// The appearance record: 19 texts with fixed meanings.
//   0  description          1  font name          2  font size in points
//   4k+3 colour of target k, 4k+4..4k+6 its red, green, blue (k = 0..3)
// Targets: 0 form colour, 1 text background, 2 text colour, 3 button colour.
namespace AppearanceRecord {

constexpr int Size = 19;
constexpr int Description = 0;
constexpr int FontName = 1;
constexpr int FontSize = 2;
constexpr int colourPosition(int target) {
    return 4 * target + 3;
}
constexpr int componentPosition(int target, int component) {
    return 4 * target + 4 + component;
}

// The record every run starts with.
QStringList builtin();
// Fills an empty list with the built-in record.
void fill(ItemList& record);

} // namespace AppearanceRecord
