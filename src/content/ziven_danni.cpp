#include "content/ziven_danni.h"

Ziven_danni::Ziven_danni(const TestContentData& data) {
    m_danni[0].addMany(data.left);
    m_danni[1].addMany(data.right);
    m_danni[3].addMany(data.layout);
    m_otgowor[0].addMany(data.flags);
    for (std::size_t p = 1; p < m_otgowor.size(); ++p)
        m_otgowor[p].addMany(data.lines[p]);
    m_ukazanie = data.instructions;
    for (int side = 0; side < 2; ++side) {
        const auto& items = m_danni[static_cast<std::size_t>(side)].items();
        auto& index = m_firstPosition[static_cast<std::size_t>(side)];
        index.reserve(static_cast<qsizetype>(items.size()));
        // insert() replaces an existing key, so walk backwards: the first
        // position of a text is the one that stays.
        for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i)
            index.insert(items[static_cast<std::size_t>(i)], i);
    }
}

const ItemList& Ziven_danni::Danni(int index) const {
    if (index < 0 || index >= static_cast<int>(m_danni.size())) return m_empty;
    return m_danni[static_cast<std::size_t>(index)];
}

const ItemList& Ziven_danni::Otgowor(int index) const {
    if (index < 0 || index >= static_cast<int>(m_otgowor.size())) return m_empty;
    return m_otgowor[static_cast<std::size_t>(index)];
}

const QString& Ziven_danni::Ukazanie(int) const {
    return m_ukazanie;
}

int Ziven_danni::firstPositionOf(int side, const QString& text) const {
    if (side < 0 || side > 1) return -1;
    return m_firstPosition[static_cast<std::size_t>(side)].value(text, -1);
}
