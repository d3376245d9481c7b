#pragma once

#include "core/itemlist.h"
#include "core/platform.h"
#include "core/values.h"

#include <QString>

#include <cstdint>
#include <optional>

// Position and size of a control, in twips (1440 to the inch).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
    QString name = QStringLiteral("Times New Roman");
    double size = 12.0;
    friend bool operator==(const Font&, const Font&) = default;
};

// The properties the program sets and reads on any control. Every setter that
// changes something bumps revision(), so a view can tell cheaply whether it
// must redraw the control.
class Control {
public:
    Control() = default;
    explicit Control(Rect rect) : m_rect(rect) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption) { assign(m_caption, caption); }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { assign(m_enabled, enabled); }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { assign(m_visible, visible); }
    // No value means the toolkit's default for that kind of control.
    std::optional<Colour> background() const { return m_background; }
    void setBackground(Colour colour) { assign(m_background, std::optional<Colour>(colour)); }
    std::optional<Colour> foreground() const { return m_foreground; }
    void setForeground(Colour colour) { assign(m_foreground, std::optional<Colour>(colour)); }
    const Font& font() const { return m_font; }
    void setFont(const Font& font) { assign(m_font, font); }
    void setFontName(const QString& name) { assign(m_font.name, name); }
    void setFontSize(double size) { assign(m_font.size, size); }
    const QString& toolTip() const { return m_toolTip; }
    void setToolTip(const QString& toolTip) { assign(m_toolTip, toolTip); }
    const Rect& rect() const { return m_rect; }
    void setRect(const Rect& rect) { assign(m_rect, rect); }
    void setLeft(int left) { assign(m_rect.left, left); }
    void setWidth(int width) { assign(m_rect.width, width); }
    void setHeight(int height) { assign(m_rect.height, height); }

    std::uint64_t revision() const { return m_revision; }

protected:
    template <typename T> void assign(T& field, const T& value) {
        if (field == value) return;
        field = value;
        ++m_revision;
    }
    void touch() { ++m_revision; }

private:
    QString m_caption;
    bool m_enabled = true;
    bool m_visible = true;
    std::optional<Colour> m_background;
    std::optional<Colour> m_foreground;
    Font m_font;
    QString m_toolTip;
    Rect m_rect;
    std::uint64_t m_revision = 1;
};

// A command button; it shows its background colour.
class Button : public Control {
public:
    using Control::Control;
};

// A label; its text is the caption.
class Label : public Control {
public:
    using Control::Control;
};

// A text box; its text is the caption. Multi-line boxes keep CR LF line ends.
class TextBox : public Control {
public:
    using Control::Control;
    const QString& text() const { return caption(); }
    void setText(const QString& text) { setCaption(text); }
};

// A picture box: an image drawn unscaled from the top-left corner and clipped.
class PictureBox : public Control {
public:
    using Control::Control;
    const PictureRef& picture() const { return m_picture; }
    void setPicture(PictureRef picture) {
        if (m_picture == picture) return;
        m_picture = std::move(picture);
        touch();
    }

private:
    PictureRef m_picture;
};

// A list box: the control properties around an item list.
class ListBox : public Control {
public:
    explicit ListBox(Sorting sorting = Sorting::Unsorted) : m_list(sorting) {}
    ListBox(Sorting sorting, Rect rect) : Control(rect), m_list(sorting) {}
    ItemList& list() { return m_list; }
    const ItemList& list() const { return m_list; }

private:
    ItemList m_list;
};

// A horizontal slider over a whole-number range. Setting the value by program
// notifies nobody; the binding reports a pupil's move to the window.
class Slider : public Control {
public:
    Slider(int minimum, int maximum) : m_minimum(minimum), m_maximum(maximum) {}
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    // Held within the range.
    void setValue(int value) {
        assign(m_value, value < m_minimum ? m_minimum : (value > m_maximum ? m_maximum : value));
    }

private:
    int m_minimum;
    int m_maximum;
    int m_value = 0;
};

// One option button of its window's single exclusive group.
class OptionButton : public Control {
public:
    using Control::Control;
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked) { assign(m_checked, checked); }

private:
    bool m_checked = false;
};

// A top-level window: caption, background, font, sizes in twips, and whether
// it is shown. raiseCount() grows each time the program asks for it to come
// to the front.
class WindowModel : public Control {
public:
    using Control::Control;
    int clientWidth() const { return m_clientWidth; }
    int clientHeight() const { return m_clientHeight; }
    void setClientSize(int width, int height) {
        assign(m_clientWidth, width);
        assign(m_clientHeight, height);
    }
    // The outer size includes a frame of frameWidth() across and
    // frameHeight() down.
    int outerWidth() const { return m_clientWidth + m_frameWidth; }
    int outerHeight() const { return m_clientHeight + m_frameHeight; }
    void setOuterWidth(int width) { assign(m_clientWidth, width - m_frameWidth); }
    void setOuterHeight(int height) { assign(m_clientHeight, height - m_frameHeight); }
    int frameWidth() const { return m_frameWidth; }
    int frameHeight() const { return m_frameHeight; }
    void setFrame(int width, int height) {
        m_frameWidth = width;
        m_frameHeight = height;
    }
    std::uint64_t raiseCount() const { return m_raiseCount; }
    void raise() {
        ++m_raiseCount;
        touch();
    }

private:
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    std::uint64_t m_raiseCount = 0;
};
