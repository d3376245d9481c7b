#include "testrun/ziven.h"

#include "core/values.h"

#include <algorithm>

namespace {

QStringList countingUpTo(int count) {
    QStringList numbers;
    numbers.reserve(count);
    for (int n = 1; n <= count; ++n)
        numbers.append(decimalText(n));
    return numbers;
}

// The key-list number of a shown phrase. A shown text that is not in the
// content (the program never puts one there) gets "0", which names no phrase,
// so the map stays position for position with the shown list.
QString numberOf(const QString& text, const Ziven_danni& content, int side, const ItemList& keys) {
    const int position = content.firstPositionOf(side, text);
    return position < 0 ? QStringLiteral("0") : keys.item(position);
}

QStringList numbersOf(const ItemList& shown, const Ziven_danni& content, int side,
                      const ItemList& keys) {
    QStringList numbers;
    numbers.reserve(shown.count());
    for (const QString& text : shown.items())
        numbers.append(numberOf(text, content, side, keys));
    return numbers;
}

} // namespace

void Ziven::Fill_Numbers() {
    const int leftCount = m_content.Danni(0).count();
    const int rightCount = m_content.Danni(1).count();
    dum_N[4].clear();
    dum_N[4].addMany(countingUpTo(leftCount));
    dum_N[5].clear();
    dum_N[5].addMany(countingUpTo(rightCount));
}

void Ziven::Fill_Relation_Lists() {
    // One sorted merge gives the order that adding them one by one would.
    Slowo[0].list().addMany(m_content.Danni(0).toStringList());
    Slowo[1].list().addMany(m_content.Danni(1).toStringList());
}

void Ziven::Map_Shown_Numbers() {
    dum_N[0].clear();
    dum_N[0].addMany(numbersOf(Slowo[0].list(), m_content, 0, dum_N[4]));
    dum_N[1].clear();
    dum_N[1].addMany(numbersOf(Slowo[1].list(), m_content, 1, dum_N[5]));
}

void Ziven::remapAfterReturn(int leftAt, int rightAt) {
    // The maps were in step with the relation lists before the two phrases
    // came back at leftAt and rightAt, and every other text keeps the number
    // the rule gave it, so inserting the two new numbers gives exactly what
    // a rebuild from every text would, without looking up tens of thousands
    // of texts.
    const auto remap = [this](int side, int at) {
        const auto i = static_cast<std::size_t>(side);
        QStringList numbers = dum_N[i].toStringList();
        if (at >= 0)
            numbers.insert(at, numberOf(Slowo[i].list().item(at), m_content, side, dum_N[4 + i]));
        dum_N[i].clear();
        dum_N[i].addMany(numbers);
    };
    remap(0, leftAt);
    remap(1, rightAt);
}

void Ziven::Show_Remaining() {
    const int remaining = std::min(Slowo[0].list().count(), Slowo[1].list().count());
    Ndapis.setCaption(QStringLiteral("Остават: ") + decimalText(remaining));
}

void Ziven::Set_Evaluate_State() {
    // In plain int: three times a right list of more than 10922 phrases does
    // not fit 16 bits and would wrap to a negative bound.
    const int answers = Slowo[2].list().count();
    const int rightLeft = Slowo[1].list().count();
    Uprawl[2].setEnabled(answers >= 3 * rightLeft);
}
