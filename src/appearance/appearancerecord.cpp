#include "appearance/appearancerecord.h"

namespace AppearanceRecord {

QStringList builtin() {
    // Target 1's components disagree with its white colour on purpose: the
    // window's first load splits every colour and so puts them right.
    return {
        QStringLiteral("всичко това е за управление на цветове"),
        QStringLiteral("Times New Roman"),
        QStringLiteral("12"),
        QStringLiteral("128"),
        QStringLiteral("128"),
        QStringLiteral("0"),
        QStringLiteral("0"),
        QStringLiteral("16777215"),
        QStringLiteral("0"),
        QStringLiteral("128"),
        QStringLiteral("0"),
        QStringLiteral("8"),
        QStringLiteral("8"),
        QStringLiteral("0"),
        QStringLiteral("0"),
        QStringLiteral("192"),
        QStringLiteral("192"),
        QStringLiteral("0"),
        QStringLiteral("0"),
    };
}

void fill(ItemList& record) {
    record.clear();
    record.addMany(builtin());
}

} // namespace AppearanceRecord
