#pragma once

#include "core/controls.h"

#include <QPalette>

#include <cstdint>
#include <functional>
#include <vector>

class ItemListView;
class QMenuBar;
class QWidget;

// Which palette roles show a control's background and text colour.
struct ColourRoles {
    QPalette::ColorRole background = QPalette::Window;
    QPalette::ColorRole foreground = QPalette::WindowText;
    // Widgets that draw no background of their own must fill it.
    bool fillBackground = false;
};

// The controls of one window and the widgets that show them. sync() shows
// what the models now hold: position, size, visibility, enabled state,
// tool-tip, font, colours and each kind's content, with the widgets' signals
// blocked. A control whose revision has not moved is skipped, so a sync
// after every pupil action costs next to nothing.
class ControlSet {
public:
    // `content` shows what is particular to the kind (caption, text, value).
    void bind(const Control& control, QWidget& widget, ColourRoles roles,
              std::function<void()> content = {});
    // A list box: its control properties, and its selection on every sync.
    void bindList(const ListBox& control, ItemListView& view);
    void sync();
    // The window's models are going away: stop showing them.
    void detach();

private:
    struct Binding {
        const Control* control;
        QWidget* widget;
        ColourRoles roles;
        std::function<void()> content;
        std::uint64_t shown = 0;
    };
    static void show(const Binding& binding);

    std::vector<Binding> m_bindings;
    std::vector<ItemListView*> m_lists;
};

namespace roles {
inline constexpr ColourRoles button{QPalette::Button, QPalette::ButtonText, false};
inline constexpr ColourRoles box{QPalette::Base, QPalette::Text, false};
inline constexpr ColourRoles filled{QPalette::Window, QPalette::WindowText, true};
} // namespace roles

// A window's caption, background and fixed client size; a menu bar, where
// the window has one, sits above the client area.
void showWindowFrame(const WindowModel& model, QWidget& window, QWidget& client,
                     const QMenuBar* menuBar = nullptr);
