#include "appearance/appearancerecord.h"
#include "appearance/cwiat.h"
#include "core/values.h"

Rgb cwetowe_RGB(std::int32_t colour) {
    return splitColour(colour);
}

QString colourCaption(std::int32_t colour) {
    return QStringLiteral("Цвят в 10/16-тичен код =") + u' ' + decimalText(colour) +
           QStringLiteral(" /H") +
           QString::number(static_cast<std::uint32_t>(colour), 16).toUpper();
}

void Cwiat::Opredeli_cwqt() {
    const Colour form = recordColour(AppearanceRecord::colourPosition(0));
    picColor.setBackground(form);
    Option1[0].setBackground(form);

    const Colour textBackground = recordColour(AppearanceRecord::colourPosition(1));
    Text_Cv[0].setBackground(textBackground);
    Option1[1].setBackground(textBackground);

    const Colour textColour = recordColour(AppearanceRecord::colourPosition(2));
    Text_Cv[0].setForeground(textColour);
    Option1[2].setBackground(textColour);

    Option1[3].setBackground(recordColour(AppearanceRecord::colourPosition(3)));

    // From here on each target's components agree with its colour, which the
    // sliders rely on when a target is chosen.
    for (int k = 0; k < 4; ++k) {
        const Rgb rgb = cwetowe_RGB(recordColour(AppearanceRecord::colourPosition(k)));
        writeRecord(AppearanceRecord::componentPosition(k, 0), rgb.red);
        writeRecord(AppearanceRecord::componentPosition(k, 1), rgb.green);
        writeRecord(AppearanceRecord::componentPosition(k, 2), rgb.blue);
    }
}

void Cwiat::Option1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(Option1.size())) return;
    for (std::size_t i = 0; i < Option1.size(); ++i)
        Option1[i].setChecked(static_cast<int>(i) == index);
    Current_Target = static_cast<std::uint8_t>(index);
    for (int v = 0; v < 3; ++v)
        Slider1[static_cast<std::size_t>(v)].setValue(
            recordComponent(AppearanceRecord::componentPosition(index, v)));
    Current_Colour = joinColour(Slider1[0].value(), Slider1[1].value(), Slider1[2].value());
    Otdelni_Update();
}

void Cwiat::Slider1_Moved(int index) {
    if (index < 0 || index >= static_cast<int>(Slider1.size())) return;
    const int target = Current_Target;
    writeRecord(AppearanceRecord::componentPosition(target, index),
                Slider1[static_cast<std::size_t>(index)].value());
    Current_Colour = joinColour(Slider1[0].value(), Slider1[1].value(), Slider1[2].value());
    writeRecord(AppearanceRecord::colourPosition(target), Current_Colour);
    Otdelni_Update();
}

void Cwiat::Otdelni_Update() {
    for (std::size_t i = 0; i < Label_ST.size(); ++i)
        Label_ST[i].setCaption(decimalText(Slider1[i].value()));

    switch (Current_Target) {
    case 0:
        setBackground(Current_Colour);
        Option1[0].setBackground(Current_Colour);
        break;
    case 1:
        Text_Cv[0].setBackground(Current_Colour);
        Option1[1].setBackground(Current_Colour);
        break;
    case 2:
        Text_Cv[0].setForeground(Current_Colour);
        Option1[2].setBackground(Current_Colour);
        break;
    case 3:
        Option1[3].setBackground(Current_Colour);
        break;
    default:
        break;
    }
    picColor.setBackground(Current_Colour);
    Label_Cv[3].setCaption(colourCaption(Current_Colour));
}
