#pragma once

#include "core/itemlist.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

// Everything one matching test consists of, as plain data. Tests and
// benchmarks fill one of these to make a content of their own.
struct TestContentData {
    QStringList left;  // left phrases, in Phrase-number order
    QStringList right; // right phrases, in Phrase-number order
    QStringList
        layout; // title, window width, left list's left and width, right list's left and width
    QStringList flags;                 // item 0 a label, item p the explanation flag of phrase p
    std::array<QStringList, 31> lines; // lines[p]: extra explanation lines of phrase p (1..30)
    QString instructions;
};

// The content window: the test's phrases, layout, explanation flags and lines
// and instructions, as read-only item lists. Never shown, never written.
class Ziven_danni {
public:
    explicit Ziven_danni(const TestContentData& data);
    Ziven_danni(const Ziven_danni&) = delete;
    Ziven_danni& operator=(const Ziven_danni&) = delete;

    // Danni(0) left phrases, Danni(1) right phrases, Danni(3) title and layout.
    // Danni(2) exists but is empty.
    const ItemList& Danni(int index) const;
    // Otgowor(0) the flags, Otgowor(1..30) the extra lines. Any other index
    // reads as an empty list.
    const ItemList& Otgowor(int index) const;
    const QString& Ukazanie(int index = 0) const;

    // The first position of `text` in Danni(side), or -1: the answer of a
    // search from position 0 upward, in constant time.
    int firstPositionOf(int side, const QString& text) const;

private:
    std::array<ItemList, 4> m_danni;
    std::array<ItemList, 31> m_otgowor;
    ItemList m_empty;
    QString m_ukazanie;
    std::array<QHash<QString, int>, 2> m_firstPosition;
};

// The built-in test, created on first use and never changed.
const Ziven_danni& builtinContent();
// The data the built-in test is made of, for tests that vary it.
TestContentData builtinContentData();
// The web address that begins the built-in title.
QString publisherAddress();
