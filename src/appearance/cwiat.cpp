#include "appearance/cwiat.h"

#include "appearance/appearancerecord.h"
#include "core/values.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr Colour Grey = 8421504;
constexpr Colour White = 16777215;

// Labels are drawn smaller than the window's own font.
const Font LabelFont{QStringLiteral("Times New Roman"), 9.75};

// The record's numbers are whole; anything else (a fraction, a huge or
// non-numeric text) is rounded half to even and held within the range.
int wholeWithin(double value, int low, int high) {
    if (std::isnan(value) || value <= low) return low;
    if (value >= high) return high;
    double whole = std::floor(value);
    const double diff = value - whole;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<int>(whole);
}

} // namespace

Cwiat::Cwiat(ItemList& record, const AppearanceTargets& targets, const FontPlatform& fonts)
    : m_record(record), m_targets(targets), m_fonts(fonts) {
    setCaption(QStringLiteral("Формиране на цвят/избор на шрифт"));
    setClientSize(5535, 4710);
    setBackground(Grey);
    setFont(Font{QStringLiteral("Times New Roman"), 12.0});

    for (Label& label : Label_Cv)
        label.setFont(LabelFont);
    for (Label& label : Label_ST)
        label.setFont(LabelFont);

    picColor.setRect({240, 120, 5055, 915});
    picColor.setToolTip(QStringLiteral("Получен изходен цвят"));
    Label_Cv[3].setRect({795, 1150, 4020, 255});
    Label_Cv[3].setCaption(QStringLiteral("Цвят"));
    Label_Cv[3].setToolTip(
        QStringLiteral("Показва цифровата стойност на формирания цвят в 16-ична бройна система "));
    Label_Cv[0].setRect({120, 1560, 320, 315});
    Label_Cv[0].setCaption(QStringLiteral("Ч"));
    Label_Cv[0].setForeground(192);
    Slider1[0].setRect({440, 1560, 3000, 315});
    Slider1[0].setToolTip(QStringLiteral("Промяна на стойн остта на червената съставка "));
    Label_ST[0].setRect({3440, 1560, 315, 315});
    Label_ST[0].setCaption(QStringLiteral("R"));
    Label_ST[0].setToolTip(
        QStringLiteral("Цифрова стойност на червения цвят в обхвата [0 - 255] "));
    Label_ST[0].setForeground(192);
    Option1[0].setRect({3860, 1560, 345, 285});
    Option1[0].setToolTip(QStringLiteral(" За настройване цвета на фона на формата "));
    Label_Cv[5].setRect({4200, 1560, 1155, 285});
    Label_Cv[5].setCaption(QStringLiteral("Цвят форма"));
    Label_Cv[5].setToolTip(QStringLiteral("За настройване цвета на фона на формата "));
    Label_Cv[1].setRect({120, 2040, 320, 315});
    Label_Cv[1].setCaption(QStringLiteral("З"));
    Label_Cv[1].setForeground(49152);
    Slider1[1].setRect({440, 2040, 3000, 315});
    Slider1[1].setToolTip(QStringLiteral("Промяна на стойн остта на зелената съставка "));
    Label_ST[1].setRect({3440, 2040, 315, 315});
    Label_ST[1].setCaption(QStringLiteral("G"));
    Label_ST[1].setToolTip(QStringLiteral("Цифрова стойност на зеления цвят в обхвата [0 - 255] "));
    Label_ST[1].setForeground(49152);
    Option1[1].setRect({3860, 2040, 345, 285});
    Option1[1].setToolTip(QStringLiteral(" За настройване цвета на фона в текстовите полета "));
    Label_Cv[6].setRect({4200, 2040, 1155, 285});
    Label_Cv[6].setCaption(QStringLiteral("Фон текст"));
    Label_Cv[6].setToolTip(QStringLiteral("За настройване цвета на фона в текстовите полета "));
    Label_Cv[2].setRect({120, 2520, 320, 315});
    Label_Cv[2].setCaption(QStringLiteral("С"));
    Label_Cv[2].setForeground(12582912);
    Slider1[2].setRect({440, 2520, 3000, 315});
    Slider1[2].setToolTip(QStringLiteral("Промяна на стойн остта на синята съставка "));
    Label_ST[2].setRect({3440, 2520, 315, 315});
    Label_ST[2].setCaption(QStringLiteral("B"));
    Label_ST[2].setToolTip(QStringLiteral("Цифрова стойност на синия цвят в обхвата [0 - 255] "));
    Label_ST[2].setForeground(12582912);
    Option1[2].setRect({3860, 2520, 345, 285});
    Option1[2].setToolTip(QStringLiteral(" За настройване цвета на текста в текстовите полета "));
    Label_Cv[7].setRect({4200, 2520, 1155, 285});
    Label_Cv[7].setCaption(QStringLiteral("Цвят текст"));
    Label_Cv[7].setToolTip(QStringLiteral(" За настройване цвета на текста в текстовите полета "));
    Option1[3].setRect({3860, 3000, 345, 285});
    Option1[3].setToolTip(QStringLiteral(" За настройване цвета на фона на бутоните "));
    Label_Cv[8].setRect({4200, 3000, 1155, 285});
    Label_Cv[8].setCaption(QStringLiteral("Цвят бутон"));
    Label_Cv[8].setToolTip(QStringLiteral(" За настройване цвета на фона на бутоните "));
    List_font[0].setRect({600, 2900, 2655, 1200});
    List_font[0].setToolTip(QStringLiteral(" Определя избрания шрифт "));
    Label_Cv[4].setRect({3860, 3450, 1490, 285});
    Label_Cv[4].setCaption(QStringLiteral("Размер  шрифт"));
    Label_Cv[4].setToolTip(QStringLiteral("Показва размера на буквите във формирания текст "));
    List_font[1].setRect({3840, 3840, 855, 735});
    List_font[1].setToolTip(QStringLiteral(" Определя размера на буквите "));
    Text_Cv[0].setRect({600, 4200, 2655, 405});
    Text_Cv[0].setText(QStringLiteral("Шрифт"));
    Text_Cv[0].setToolTip(
        QStringLiteral("Полето илюстрира шрифт, размер на букви, цвят и фон на букви "));

    Option1[0].setChecked(true);
    Option1[0].setVisible(false);
    Option1[3].setVisible(false);
    Label_Cv[8].setVisible(false);
    List_font[0].setVisible(false);

    List_font[1].setFont(LabelFont);
    List_font[1].list().addMany({QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"),
                                 QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
                                 QStringLiteral("14")});

    // The sample starts in the window's own font.
    Text_Cv[0].setFont(font());

    for (int i = 0; i < static_cast<int>(List_font.size()); ++i)
        List_font[static_cast<std::size_t>(i)].list().setClickHandler(
            [this, i] { List_font_Click(i); });
}

void Cwiat::Form_Load() {
    // Font: the record's name becomes the window's own, then the installed
    // fonts and the size list pick up the record's choice.
    setFontName(recordText(AppearanceRecord::FontName));
    List_font[0].list().clear();
    Fill_Font_List();
    // Each comparison reads the record afresh: a selection runs the list's
    // click handling, which writes the record.
    ItemList& names = List_font[0].list();
    for (int i = 0; i < names.count(); ++i) {
        if (names.item(i) == recordText(AppearanceRecord::FontName)) names.setSelected(i);
    }
    // Only a damaged record has no size; the sample then keeps its own.
    if (const double points = numericParse(recordText(AppearanceRecord::FontSize)); points > 0.0)
        Text_Cv[0].setFontSize(points);
    ItemList& sizes = List_font[1].list();
    for (int i = 0; i < sizes.count(); ++i) {
        if (sizes.item(i) == recordText(AppearanceRecord::FontSize)) sizes.setSelected(i);
    }

    Opredeli_cwqt();

    // Setting the sliders by program notifies nobody, so the labels and the
    // caption keep their defined texts until the pupil acts.
    for (int v = 0; v < 3; ++v)
        Slider1[static_cast<std::size_t>(v)].setValue(
            recordComponent(AppearanceRecord::componentPosition(0, v)));
}

void Cwiat::mnu_zapis_Click() {
    if (m_closed) return;
    const auto each = [](std::initializer_list<Control*> controls, const auto& apply) {
        for (Control* control : controls) {
            if (control) apply(*control);
        }
    };
    const auto [list0, list1, list2] = m_targets.lists;
    Control* const instructions = m_targets.instructions;
    Control* const counter = m_targets.counter;

    const Colour formColour = recordColour(AppearanceRecord::colourPosition(0));
    each({m_targets.form}, [&](Control& c) { c.setBackground(formColour); });

    const Colour textBackground = recordColour(AppearanceRecord::colourPosition(1));
    each({list0, list1, list2, instructions, counter},
         [&](Control& c) { c.setBackground(textBackground); });

    const Colour textColour = recordColour(AppearanceRecord::colourPosition(2));
    each({list0, list1, list2, counter, instructions},
         [&](Control& c) { c.setForeground(textColour); });

    // The counter label keeps its own font. A record without a name or with a
    // size of no points (only a damaged one) leaves that part as it is.
    const QString fontName = recordText(AppearanceRecord::FontName);
    if (!fontName.isEmpty())
        each({list0, list1, list2, instructions}, [&](Control& c) { c.setFontName(fontName); });
    const int fontSize = roundToInt16(numericParse(recordText(AppearanceRecord::FontSize)));
    if (fontSize > 0)
        each({list0, list1, list2, instructions}, [&](Control& c) { c.setFontSize(fontSize); });

    close();
}

void Cwiat::mnu_Otkaz_Click() {
    close();
}

void Cwiat::close() {
    m_closed = true;
    setVisible(false);
}

QString Cwiat::recordText(int position) const {
    return m_record.item(position);
}

Colour Cwiat::recordColour(int position) const {
    return wholeWithin(numericParse(m_record.item(position)), 0, White);
}

int Cwiat::recordComponent(int position) const {
    return wholeWithin(numericParse(m_record.item(position)), 0, 255);
}

void Cwiat::writeRecord(int position, long long value) {
    m_record.setItem(position, decimalText(value));
}
