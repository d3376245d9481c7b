#pragma once

#include <QIcon>

// The main window's icon, 32 x 32 and 16 x 16 in the 16 classic colours:
// the launcher icon's picture of two columns of bars joined by lines.
QIcon programIcon();
// The appearance window's icon, 16 x 16: red, green and blue bars.
QIcon appearanceIcon();
