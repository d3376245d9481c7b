#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

// Told row by row what changed in an item list, so that a view of tens of
// thousands of rows never has to be rebuilt on a click.
class ItemListObserver {
public:
    virtual ~ItemListObserver() = default;
    virtual void aboutToInsert(int first, int last) = 0;
    virtual void inserted(int first, int last) = 0;
    virtual void aboutToRemove(int first, int last) = 0;
    virtual void removed(int first, int last) = 0;
    virtual void aboutToReset() = 0;
    virtual void reset() = 0;
    virtual void changed(int row) = 0;
    virtual void selectionChanged(int row) = 0;
};

enum class Sorting { Unsorted, Sorted };

// The model of every list box, shown or hidden: an ordered list of texts with
// one selected position (-1 for none). Counts and positions are 16-bit.
//
// Rules the program relies on:
//  - reading at or past the end (or before the start) gives the empty text;
//  - a sorted list puts an added text at its alphabetical place, letter case
//    ignored, with ties broken by the exact text so the order never depends on
//    the order of adding;
//  - the selection stays on its item when others are inserted or removed, and
//    removing the selected item leaves no selection;
//  - adding, removing and clearing never raise the click handling;
//  - setSelected raises it, nested and at once, only when the position
//    really changes; a pupil's click raises it every time.
class ItemList {
public:
    using Position = std::int16_t;
    static constexpr int MaxCount = 32767;

    explicit ItemList(Sorting sorting = Sorting::Unsorted) : m_sorting(sorting) {}
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;

    Sorting sorting() const { return m_sorting; }
    Position count() const { return static_cast<Position>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    QString item(int position) const;
    const std::vector<QString>& items() const { return m_items; }
    QStringList toStringList() const;

    // Appends, or in a sorted list inserts at the alphabetical place; returns
    // the position taken, or -1 when the list is full.
    int add(const QString& text);
    // Adds many texts with the same result as adding them one by one, in
    // O(n log n) rather than O(n^2) for a sorted list.
    void addMany(const QStringList& texts);
    // Does nothing for a position outside the list.
    void removeAt(int position);
    void setItem(int position, const QString& text);
    void clear();

    Position selected() const { return m_selected; }
    // By program: raises the click handling only on a real change. A position
    // outside -1 .. count-1 is ignored.
    void setSelected(int position);
    // By the pupil: selects and raises the click handling every time.
    void click(int position);

    // The handling raised on clicks and on selection changes made by program.
    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }
    void setObserver(ItemListObserver* observer) { m_observer = observer; }
    ItemListObserver* observer() const { return m_observer; }

    // Strict weak order of the sorted lists: case-insensitive, then exact.
    static bool lessThan(const QString& a, const QString& b);

private:
    int insertionPoint(const QString& text) const;

    std::vector<QString> m_items;
    Position m_selected = -1;
    Sorting m_sorting;
    std::function<void()> m_onClick;
    ItemListObserver* m_observer = nullptr;
};
