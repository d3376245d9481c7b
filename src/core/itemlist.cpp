#include "core/itemlist.h"

#include <algorithm>
#include <numeric>

QString ItemList::item(int position) const {
    if (position < 0 || position >= static_cast<int>(m_items.size())) return {};
    return m_items[static_cast<std::size_t>(position)];
}

QStringList ItemList::toStringList() const {
    QStringList list;
    list.reserve(static_cast<qsizetype>(m_items.size()));
    for (const QString& text : m_items)
        list.append(text);
    return list;
}

bool ItemList::lessThan(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    if (folded != 0) return folded < 0;
    return a.compare(b, Qt::CaseSensitive) < 0;
}

int ItemList::insertionPoint(const QString& text) const {
    if (m_sorting == Sorting::Unsorted) return static_cast<int>(m_items.size());
    // After any equal texts, as a list adding one by one would place it.
    const auto it = std::upper_bound(m_items.begin(), m_items.end(), text, &ItemList::lessThan);
    return static_cast<int>(it - m_items.begin());
}

int ItemList::add(const QString& text) {
    if (static_cast<int>(m_items.size()) >= MaxCount) return -1;
    const int at = insertionPoint(text);
    if (m_observer) m_observer->aboutToInsert(at, at);
    m_items.insert(m_items.begin() + at, text);
    if (m_selected >= at) ++m_selected;
    if (m_observer) m_observer->inserted(at, at);
    return at;
}

void ItemList::addMany(const QStringList& texts) {
    const std::size_t room = static_cast<std::size_t>(MaxCount) - m_items.size();
    const std::size_t taken = std::min(room, static_cast<std::size_t>(texts.size()));
    if (taken == 0) return;
    if (m_sorting == Sorting::Unsorted) {
        const int first = static_cast<int>(m_items.size());
        const int last = first + static_cast<int>(taken) - 1;
        if (m_observer) m_observer->aboutToInsert(first, last);
        m_items.insert(m_items.end(), texts.begin(), texts.begin() + static_cast<qsizetype>(taken));
        if (m_observer) m_observer->inserted(first, last);
        return;
    }
    // Merge: old items keep their order, each new text goes after its equals,
    // and equal new texts keep the order they came in - the result of adding
    // them one at a time. The selected item is followed by its old index.
    std::vector<QString> added(texts.begin(), texts.begin() + static_cast<qsizetype>(taken));
    std::stable_sort(added.begin(), added.end(), &ItemList::lessThan);
    std::vector<QString> merged;
    merged.reserve(m_items.size() + added.size());
    const int oldSelected = m_selected;
    int newSelected = -1;
    std::size_t a = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        while (a < added.size() && lessThan(added[a], m_items[i]))
            merged.push_back(std::move(added[a++]));
        if (static_cast<int>(i) == oldSelected) newSelected = static_cast<int>(merged.size());
        merged.push_back(std::move(m_items[i]));
    }
    while (a < added.size())
        merged.push_back(std::move(added[a++]));
    if (m_observer) m_observer->aboutToReset();
    m_items = std::move(merged);
    m_selected = static_cast<Position>(newSelected);
    if (m_observer) m_observer->reset();
}

void ItemList::removeAt(int position) {
    if (position < 0 || position >= static_cast<int>(m_items.size())) return;
    if (m_observer) m_observer->aboutToRemove(position, position);
    m_items.erase(m_items.begin() + position);
    if (m_selected == position)
        m_selected = -1;
    else if (m_selected > position)
        --m_selected;
    if (m_observer) m_observer->removed(position, position);
}

void ItemList::setItem(int position, const QString& text) {
    if (position < 0 || position >= static_cast<int>(m_items.size())) return;
    if (m_items[static_cast<std::size_t>(position)] == text) return;
    m_items[static_cast<std::size_t>(position)] = text;
    if (m_observer) m_observer->changed(position);
}

void ItemList::clear() {
    if (m_items.empty() && m_selected == -1) return;
    if (m_observer) m_observer->aboutToReset();
    m_items.clear();
    m_selected = -1;
    if (m_observer) m_observer->reset();
}

void ItemList::setSelected(int position) {
    if (position < -1 || position >= static_cast<int>(m_items.size())) return;
    if (position == m_selected) return;
    m_selected = static_cast<Position>(position);
    if (m_observer) m_observer->selectionChanged(position);
    if (m_onClick) m_onClick();
}

void ItemList::click(int position) {
    if (position < 0 || position >= static_cast<int>(m_items.size())) return;
    if (position != m_selected) {
        m_selected = static_cast<Position>(position);
        if (m_observer) m_observer->selectionChanged(position);
    }
    if (m_onClick) m_onClick();
}
