#include "testrun/ziven.h"

#include <algorithm>

namespace {

// The first position of `number` in a key list, below `limit`, or -1.
int keyPosition(const ItemList& keys, const QString& number, int limit) {
    const auto& items = keys.items();
    const int end = std::min(limit, static_cast<int>(items.size()));
    for (int k = 0; k < end; ++k) {
        if (items[static_cast<std::size_t>(k)] == number) return k;
    }
    return -1;
}

} // namespace

void Ziven::Uprawl_Click(int index) {
    trace("Uprawl_Click", index);
    if (index < 0 || index >= static_cast<int>(Uprawl.size()) ||
        !Uprawl[static_cast<std::size_t>(index)].isEnabled())
        return;

    // Before the button's own action, so the state shown after a press
    // reflects the lists as they were before it.
    Set_Evaluate_State();

    switch (index) {
    case 0:
        Record_Pair();
        break;
    case 1:
        Remove_Answer();
        break;
    case 2:
        if (Slowo[2].list().isEmpty()) return;
        Evaluate_Test();
        Uprawl[3].setEnabled(true);
        Uprawl[2].setEnabled(false);
        break;
    case 3:
        // "Избрах" stays enabled exactly while the test is running.
        if (Uprawl[0].isEnabled()) {
            if (Slowo[0].list().selected() == -1 || Slowo[1].list().selected() == -1) return;
            Explain_Phrase();
            Uprawl[3].setEnabled(false);
        } else {
            if (Slowo[2].list().selected() == -1) return;
            Explain_Answer();
            Uprawl[2].setEnabled(false);
        }
        break;
    }
}

void Ziven::Record_Pair() {
    const int i = Slowo[0].list().selected();
    const int j = Slowo[1].list().selected();
    if (i == -1 || j == -1) return;
    Slowo[2].list().add(Slowo[0].list().item(i) + u' ' + Slowo[1].list().item(j));
    dum_N[2].add(dum_N[0].item(i));
    dum_N[3].add(dum_N[1].item(j));
    Slowo[0].list().removeAt(i);
    Slowo[1].list().removeAt(j);
    dum_N[0].removeAt(i);
    dum_N[1].removeAt(j);
    Show_Remaining();
}

void Ziven::Remove_Answer() {
    ItemList& answers = Slowo[2].list();
    const int a = answers.selected();
    if (a == -1) return;

    // Where each phrase lands; nothing before the remap below touches the
    // relation lists again (the nested answer click only reads them).
    const int left = keyPosition(dum_N[4], dum_N[2].item(a), m_content.Danni(0).count());
    const int leftAt = left != -1 ? Slowo[0].list().add(m_content.Danni(0).item(left)) : -1;
    const int right = keyPosition(dum_N[5], dum_N[3].item(a), m_content.Danni(1).count());
    const int rightAt = right != -1 ? Slowo[1].list().add(m_content.Danni(1).item(right)) : -1;

    dum_N[2].removeAt(a);
    dum_N[3].removeAt(a);
    answers.removeAt(a);

    // The answer that moved up into the freed place takes the focus; this
    // runs Slowo_Click(2) before the maps are rebuilt.
    if (a < answers.count()) answers.setSelected(a);

    // Map_Shown_Numbers, done incrementally with the same result.
    remapAfterReturn(leftAt, rightAt);
    Show_Remaining();

    if (answers.selected() == -1 && !answers.isEmpty()) answers.setSelected(answers.count() - 1);
}
