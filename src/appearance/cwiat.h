#pragma once

#include "core/controls.h"
#include "core/platform.h"

#include <QString>

#include <array>
#include <cstdint>

// The main-window controls that "Запис" writes to.
struct AppearanceTargets {
    WindowModel* form = nullptr;
    std::array<Control*, 3> lists{}; // Slowo(0), Slowo(1), Slowo(2)
    Control* instructions = nullptr; // Prowerka(0)
    Control* counter = nullptr;      // Ndapis
};

// The appearance window: mixes the four colours of the appearance record from
// three sliders, chooses the font size, and applies the record to the main
// window on "Запис". Every change goes straight into the record.
class Cwiat : public WindowModel {
public:
    // The record lives in the main window and outlives this window. The
    // constructor builds the window's controls; Form_Load fills them.
    Cwiat(ItemList& record, const AppearanceTargets& targets, const FontPlatform& fonts);

    PictureBox picColor;
    // 0..2 the letters of the sliders, 3 the colour caption, 4 the size label,
    // 5..8 the names of the four colour targets
    std::array<Label, 9> Label_Cv;
    std::array<Slider, 3> Slider1{Slider(0, 255), Slider(0, 255), Slider(0, 255)}; // R, G, B
    std::array<Label, 3> Label_ST;
    std::array<OptionButton, 4> Option1;
    // 0 the installed font names (hidden, sorted), 1 the sizes "8" to "14"
    std::array<ListBox, 2> List_font{ListBox(Sorting::Sorted), ListBox(Sorting::Unsorted)};
    std::array<TextBox, 1> Text_Cv; // the sample "Шрифт"

    std::uint8_t Current_Target = 0;
    std::int32_t Current_Colour = 0;

    void Form_Load();
    void Fill_Font_List();
    void List_font_Click(int index);
    void Opredeli_cwqt();
    void Option1_Click(int index);
    void Slider1_Moved(int index);
    void Otdelni_Update();
    void mnu_zapis_Click();
    void mnu_Otkaz_Click();

    // Closed by "Запис", "Отказ" or the window's close button; a closed
    // window is never used again.
    bool isClosed() const { return m_closed; }

private:
    // Record reads never fail: a missing or non-numeric item counts as 0 and
    // numbers are held within their ranges.
    QString recordText(int position) const;
    Colour recordColour(int position) const;
    int recordComponent(int position) const;
    void writeRecord(int position, long long value);
    void close();

    ItemList& m_record;
    AppearanceTargets m_targets;
    const FontPlatform& m_fonts;
    bool m_closed = false;
};

// Red, green and blue of a Colour value; bits above 23 are ignored.
Rgb cwetowe_RGB(std::int32_t colour);

// "Цвят в 10/16-тичен код = <decimal> /H<upper-case hex>".
QString colourCaption(std::int32_t colour);
