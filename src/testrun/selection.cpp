#include "testrun/ziven.h"

#include "core/values.h"

namespace {

constexpr Colour rightColour = 65280; // pure green
constexpr Colour wrongColour = 255;   // pure red

bool holds(const ItemList& list, int position) {
    return position >= 0 && position < list.count();
}

} // namespace

void Ziven::Slowo_Click(int index) {
    trace("Slowo_Click", index);
    if (index < 0 || index >= static_cast<int>(Slowo.size())) return;
    const ItemList& shown = Slowo[static_cast<std::size_t>(index)].list();
    const int position = shown.selected();
    // A click handling only ever follows a change to an existing item; with
    // no item in focus there is nothing to mirror, show or judge.
    if (!holds(shown, position)) return;

    switch (index) {
    case 0:
        dum_N[0].setSelected(position);
        Current_Phrase = parseInt16(dum_N[0].item(position));
        Show_Pictures(Current_Phrase);
        break;
    case 1:
        dum_N[1].setSelected(position);
        break;
    case 2: {
        Prowerka[0].setText(QString());
        dum_N[2].setSelected(position);
        Current_Phrase = parseInt16(dum_N[2].item(position));
        Show_Pictures(Current_Phrase);
        // Right exactly when both phrases carry the same Phrase number.
        const bool right = dum_N[2].item(position) == dum_N[3].item(position);
        Prowerka[1].setBackground(right ? rightColour : wrongColour);
        Prowerka[1].setText(right ? QStringLiteral("ДА") : QStringLiteral("НЕ"));
        break;
    }
    }
}

void Ziven::dum_N_Click(int index) {
    trace("dum_N_Click", index);
    // The shown list is already on this position, so the echo stops here.
    if (index == 0 || index == 1) {
        const auto i = static_cast<std::size_t>(index);
        const int position = dum_N[i].selected();
        if (position != -1) Slowo[i].list().setSelected(position);
    }
}
