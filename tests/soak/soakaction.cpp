#include "soakaction.h"

namespace soak {

std::string listName(List list) {
    switch (list) {
    case List::Left:
        return "Slowo(0)";
    case List::Right:
        return "Slowo(1)";
    case List::Answers:
        return "Slowo(2)";
    case List::Sizes:
        return "List_font(1)";
    case List::Fonts:
        return "List_font(0)";
    }
    return "?";
}

std::string keyName(Key key) {
    switch (key) {
    case Key::Up:
        return "Up";
    case Key::Down:
        return "Down";
    case Key::PageUp:
        return "PageUp";
    case Key::PageDown:
        return "PageDown";
    case Key::Home:
        return "Home";
    case Key::End:
        return "End";
    }
    return "?";
}

std::string wayName(Way way) {
    switch (way) {
    case Way::Mouse:
        return "mouse";
    case Way::DoubleClick:
        return "double click";
    case Way::Space:
        return "Space";
    case Way::Enter:
        return "Enter";
    case Way::Keys:
        return "keys";
    case Way::Trigger:
        return "QAction::trigger";
    case Way::Escape:
        return "Escape";
    }
    return "?";
}

namespace {

std::string what(const Action& a) {
    const std::string index = std::to_string(a.index);
    switch (a.kind) {
    case Kind::Click:
        return "click " + listName(a.list) + " row " + index;
    case Kind::Key:
        return "key " + keyName(a.key) +
               (a.key == Key::PageUp || a.key == Key::PageDown
                    ? " (" + std::to_string(a.value) + " rows a page)"
                    : std::string()) +
               " in " + listName(a.list);
    case Kind::Press:
        return "press Uprawl(" + index + ")";
    case Kind::PanelClick:
        return "click the picture panel";
    case Kind::ClosePictures:
        return "close the picture window";
    case Kind::Color:
        return "menu Color";
    case Kind::Slider:
        return "move Slider1(" + index + ") to " + std::to_string(a.value);
    case Kind::Option:
        return "click Option1(" + index + ")";
    case Kind::Save:
        return "menu Запис";
    case Kind::Cancel:
        return "menu Отказ";
    case Kind::CloseAppearance:
        return "close the appearance window";
    case Kind::Attempt:
        return "press the disabled Uprawl(" + index + ")";
    }
    return "?";
}

} // namespace

std::string toString(const Action& a) {
    // The model soak's actions all read as before.
    return a.way == Way::Mouse ? what(a) : what(a) + " (by " + wayName(a.way) + ")";
}

} // namespace soak
