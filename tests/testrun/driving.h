#pragma once

// Drives the main window the way a pupil does: clicks in the lists by
// Phrase number and presses of the buttons.

#include "core/values.h"
#include "testrun/ziven.h"

#include <QStringList>

#include <ostream>
#include <utility>
#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace driving {

enum Button { Izbrah = 0, Wyrni = 1, Oceni = 2, Obqsni = 3 };

// Shown position of Phrase number `number` in relation list `side`, or -1.
inline int shownPosition(const Ziven& w, int side, int number) {
    const auto& numbers = w.dum_N[static_cast<std::size_t>(side)].items();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] == decimalText(number)) return static_cast<int>(i);
    }
    return -1;
}

inline void clickPhrase(Ziven& w, int side, int number) {
    w.Slowo[static_cast<std::size_t>(side)].list().click(shownPosition(w, side, number));
}

inline void press(Ziven& w, Button button) {
    w.Uprawl_Click(button);
}

inline void enterPair(Ziven& w, int left, int right) {
    clickPhrase(w, 0, left);
    clickPhrase(w, 1, right);
    press(w, Izbrah);
}

inline void clickAnswer(Ziven& w, int position) {
    w.Slowo[2].list().click(position);
}

// Records which handlers run, in order.
struct Trace {
    explicit Trace(Ziven& w) {
        w.setTrace([this](const char* name, int index) { calls.emplace_back(name, index); });
    }
    int count(const QString& name, int index) const {
        int n = 0;
        for (const auto& call : calls)
            n += call.first == name && call.second == index;
        return n;
    }
    std::vector<std::pair<QString, int>> calls;
};

} // namespace driving
