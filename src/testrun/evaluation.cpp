#include "testrun/ziven.h"

#include "core/values.h"

#include <QHash>

#include <algorithm>
#include <utility>

namespace {

using NumberPair = std::pair<QString, QString>;

} // namespace

void Ziven::Evaluate_Test() {
    const ItemList& answers = Slowo[2].list();
    const int m = parseInt16(Nastroiki.item(0));

    // Every (answer, key row) match counts, as comparing each answer with
    // each row would; counting the rows once makes that linear.
    QHash<NumberPair, int> keyRows;
    keyRows.reserve(std::max(m, 0));
    for (int r = 1; r <= m; ++r)
        ++keyRows[NumberPair(dum_N[4].item(r - 1), dum_N[5].item(r - 1))];
    long long matches = 0;
    for (int i = 0; i < answers.count(); ++i)
        matches += keyRows.value(NumberPair(dum_N[2].item(i), dum_N[3].item(i)), 0);
    Correct_Count = static_cast<std::int16_t>(std::min<long long>(matches, 32767));

    const std::int32_t product = std::int32_t{Correct_Count} * 100;
    const std::int16_t percent = m > 0 ? roundToInt16(static_cast<double>(product) / m) : 0;

    Uprawl[0].setEnabled(false);
    Uprawl[1].setEnabled(false);
    Ndapis.setCaption(QStringLiteral("Верни: ") + decimalText(percent) + u'%');

    if (!answers.isEmpty()) Slowo[2].list().setSelected(0);
    // Also when the first answer was selected already and nothing was raised.
    Slowo_Click(2);
    Prowerka[1].setVisible(true);
}
