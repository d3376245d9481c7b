#pragma once

class QMainWindow;

// Lets F10 open the window's menu bar for the keyboard, as a lone Alt does:
// the first item is highlighted, the arrow keys move, Enter chooses, Escape
// leaves, and the focus goes back to where it was.
void addMenuBarKey(QMainWindow& window);
