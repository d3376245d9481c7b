#include "appearance/appearancerecord.h"
#include "appearance/cwiat.h"
#include "core/values.h"

#include <cmath>

void Cwiat::Fill_Font_List() {
    ItemList& names = List_font[0].list();
    names.clear();
    names.addMany(m_fonts.screenFonts());
    // The key is the name as it was set, not the face the platform may have
    // substituted: a missing font then selects nothing and stays in the record.
    const QString key = font().name;
    // Every match selects, so of equal entries the last one wins.
    for (int j = 0; j < names.count(); ++j) {
        if (names.item(j) == key) names.setSelected(j);
    }
}

void Cwiat::List_font_Click(int index) {
    switch (index) {
    case 0: {
        const ItemList& names = List_font[0].list();
        if (names.selected() < 0) return;
        const QString name = names.item(names.selected());
        Text_Cv[0].setFontName(name);
        m_record.setItem(AppearanceRecord::FontName, name);
        break;
    }
    case 1: {
        const ItemList& sizes = List_font[1].list();
        if (sizes.selected() < 0) return;
        const double asked = numericParse(sizes.item(sizes.selected()));
        Text_Cv[0].setFontSize(asked);
        // The platform draws some sizes slightly off (10 as 9.75); the record
        // keeps the whole size it stands for.
        double realised = m_fonts.realisedSize(Text_Cv[0].font().name, asked);
        if (!std::isfinite(realised) || realised <= 0.0) realised = asked;
        writeRecord(AppearanceRecord::FontSize, roundToInt16(realised));
        break;
    }
    default:
        break;
    }
}
