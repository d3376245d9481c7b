#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soak {

enum class Kind : std::uint8_t {
    Click,           // a pupil's click on a row
    Key,             // a keyboard move in a list
    Press,           // a press of Uprawl(index)
    PanelClick,      // a click on the picture panel
    ClosePictures,   // the picture window's close button
    Color,           // the menu item "Color"
    Slider,          // Slider1(index) moved to value
    Option,          // Option1(index) clicked
    Save,            // "Запис"
    Cancel,          // "Отказ"
    CloseAppearance, // the appearance window's close button
    Attempt          // a press of a disabled Uprawl(index), which must do nothing
};

// The lists a pupil can act on: the three of the main window, then the size
// list and the (hidden) font list of the appearance window.
enum class List : std::uint8_t { Left, Right, Answers, Sizes, Fonts };

enum class Key : std::uint8_t { Up, Down, PageUp, PageDown, Home, End };

// How the widget soak does an action on the real widgets; the model soak has
// no use for it.
enum class Way : std::uint8_t { Mouse, DoubleClick, Space, Enter, Keys, Trigger, Escape };

// One thing the pupil does. Plain data, so a run can be kept, replayed on a
// fresh window and cut down.
struct Action {
    Kind kind = Kind::Click;
    List list = List::Left;
    Key key = Key::Down;
    int index = 0; // row, button, slider or option
    int value = 0; // slider value, or rows per page for a page key
    Way way = Way::Mouse;
};

using Actions = std::vector<Action>;

std::string listName(List list);
std::string keyName(Key key);
std::string wayName(Way way);
// Without the window's state: for actions that did not apply.
std::string toString(const Action& action);

} // namespace soak
