#include "soakrun.h"

#include "core/values.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace soak {

namespace {

std::string str(const QString& text) {
    return text.toStdString();
}

// A text for a failure message: long ones cut, blanks made visible by quotes.
std::string shown(const QString& text) {
    if (text.size() <= 40) return '"' + str(text) + '"';
    return '"' + str(text.left(20)) + "…\" (" + std::to_string(text.size()) + " chars)";
}

// Alphabetical order of the sorted lists: letter case ignored first.
bool inOrder(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded < 0 || (folded == 0 && QString::compare(a, b, Qt::CaseSensitive) <= 0);
}

// A Phrase number as the lists hold it: plain decimal digits, 1 or more.
std::optional<int> phraseNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1 || QString::number(n) != text) return std::nullopt;
    return n;
}

int keyTarget(Key key, int page, int from, int count) {
    if (count == 0) return -1;
    const int last = count - 1;
    if (from < 0) return key == Key::End ? last : 0;
    switch (key) {
    case Key::Up:
        return std::max(0, from - 1);
    case Key::Down:
        return std::min(last, from + 1);
    case Key::PageUp:
        return std::max(0, from - page);
    case Key::PageDown:
        return std::min(last, from + page);
    case Key::Home:
        return 0;
    case Key::End:
        return last;
    }
    return -1;
}

constexpr Colour RightColour = 65280;
constexpr Colour WrongColour = 255;
constexpr int RecordSize = 19;

int colourAt(int target) {
    return 4 * target + 3;
}
int componentAt(int target, int component) {
    return 4 * target + 4 + component;
}

} // namespace

SoakRun::SoakRun(const SoakContent& content)
    : m_content(content),
      m_window(std::make_unique<fixtures::TestWindow>(content.data, content.pictures)) {
    for (int side = 0; side < 2; ++side) {
        const QStringList& phrases = side == 0 ? content.data.left : content.data.right;
        for (int i = phrases.size() - 1; i >= 0; --i)
            m_numberOf[static_cast<std::size_t>(side)].insert(phrases[i], i + 1);
        // Start-up selects the alphabetically first phrase of each side.
        const auto first =
            std::min_element(phrases.begin(), phrases.end(),
                             [](const QString& a, const QString& b) { return !inOrder(b, a); });
        if (first != phrases.end()) m_relationSelected[static_cast<std::size_t>(side)] = *first;
    }
    if (m_relationSelected[0]) focus(m_numberOf[0].value(*m_relationSelected[0]));
    m_explanation = content.data.instructions;
    m_oceniEnabled = 0 >= 3 * rightLeft();
    m_record = win().Cweta[0].toStringList();
    m_description = m_record.value(0);
    m_look = lookOf();
}

int SoakRun::rightLeft() const {
    return static_cast<int>(m_content.data.right.size() - m_answers.size());
}

ItemList* SoakRun::list(List which) {
    return const_cast<ItemList*>(std::as_const(*this).list(which));
}

const ItemList* SoakRun::list(List which) const {
    const Ziven& w = win();
    switch (which) {
    case List::Left:
        return &w.Slowo[0].list();
    case List::Right:
        return &w.Slowo[1].list();
    case List::Answers:
        return &w.Slowo[2].list();
    case List::Sizes:
    case List::Fonts: {
        const Cwiat* c = w.appearanceWindow();
        if (!c) return nullptr;
        return &c->List_font[which == List::Sizes ? 1 : 0].list();
    }
    }
    return nullptr;
}

bool SoakRun::applicable(const Action& a) const {
    const Ziven& w = win();
    const Cwiat* c = w.appearanceWindow();
    switch (a.kind) {
    case Kind::Click: {
        const ItemList* l = list(a.list);
        return l && a.index >= 0 && a.index < l->count();
    }
    case Kind::Key: {
        const ItemList* l = list(a.list);
        return l && l->count() > 0;
    }
    case Kind::Press:
        return a.index >= 0 && a.index < 4 &&
               w.Uprawl[static_cast<std::size_t>(a.index)].isEnabled();
    case Kind::PanelClick:
    case Kind::Color:
        return true;
    case Kind::ClosePictures: {
        const Ziven_Graphika* g = w.pictures().window();
        return g && g->isVisible();
    }
    case Kind::Slider:
        return c && a.index >= 0 && a.index < 3;
    case Kind::Option:
        return c && a.index >= 0 && a.index < 4 &&
               c->Option1[static_cast<std::size_t>(a.index)].isVisible();
    case Kind::Save:
    case Kind::Cancel:
    case Kind::CloseAppearance:
        return c != nullptr;
    case Kind::Attempt:
        return a.index >= 0 && a.index < 4 &&
               !w.Uprawl[static_cast<std::size_t>(a.index)].isEnabled();
    }
    return false;
}

SoakRun::Result SoakRun::step(const Action& action) {
    if (!applicable(action)) return {Outcome::Skipped, {}};
    apply(action);
    if (auto failure = check()) return {Outcome::Failed, *failure};
    return {};
}

void SoakRun::focus(int phrase) {
    m_currentPhrase = phrase;
    showPicture(phrase);
}

void SoakRun::showPicture(int phrase) {
    m_shownPhrase = phrase;
    m_pictureWindowShown = false;
}

void SoakRun::selected(List which, int row, const QString& text, bool raised) {
    switch (which) {
    case List::Left:
        m_relationSelected[0] = text;
        if (raised) focus(m_numberOf[0].value(text));
        break;
    case List::Right:
        m_relationSelected[1] = text;
        break;
    case List::Answers:
        m_answerSelected = row;
        if (raised) {
            focus(m_answers[static_cast<std::size_t>(row)].first);
            m_explanation.clear();
            m_answerEverSelected = true;
        }
        break;
    case List::Sizes:
        if (raised) {
            const double realised = m_window->fonts.realisedSize(m_record[1], numericParse(text));
            m_record[2] = QString::number(static_cast<long long>(std::nearbyint(realised)));
        }
        break;
    case List::Fonts:
        if (raised) m_record[1] = text;
        break;
    }
}

bool SoakRun::enterPair() {
    if (!m_relationSelected[0] || !m_relationSelected[1]) return false;
    m_answers.emplace_back(m_numberOf[0].value(*m_relationSelected[0]),
                           m_numberOf[1].value(*m_relationSelected[1]));
    m_relationSelected = {};
    m_counterWritten = true;
    ++m_coverage.pairs;
    return true;
}

QString SoakRun::explanation(int phrase) const {
    const TestContentData& d = m_content.data;
    QString text = QStringLiteral("\r\n\"") + d.left.value(phrase - 1) +
                   QStringLiteral("\" е във връзка с \"") + d.right.value(phrase - 1) + u'"';
    if (phrase >= 1 && phrase <= 30 && numericParse(d.flags.value(phrase)) > 0) {
        for (const QString& line : d.lines[static_cast<std::size_t>(phrase)])
            text += QStringLiteral("\r\n") + line;
    }
    return text;
}

void SoakRun::loadAppearance() {
    // The record's font and size pick their list entries, which write them
    // back (the size as realised and rounded); every colour is split.
    const QStringList fonts = m_window->fonts.screenFonts();
    if (fonts.contains(m_record[1])) selected(List::Fonts, 0, m_record[1], true);
    const int size = m_record[2].toInt();
    if (size >= 8 && size <= 14 && QString::number(size) == m_record[2])
        selected(List::Sizes, 0, m_record[2], true);
    for (int k = 0; k < 4; ++k) {
        const Rgb rgb = splitColour(m_record[colourAt(k)].toInt());
        m_record[componentAt(k, 0)] = QString::number(rgb.red);
        m_record[componentAt(k, 1)] = QString::number(rgb.green);
        m_record[componentAt(k, 2)] = QString::number(rgb.blue);
    }
    m_appearanceLoaded = true;
    ++m_coverage.appearanceLoads;
    m_appearanceOpen = true;
    ++m_appearanceGeneration;
    m_target = 0;
}

SoakRun::Look SoakRun::lookOf() const {
    const Ziven& w = win();
    const std::array<const Control*, 6> controls{&w,          &w.Slowo[0],    &w.Slowo[1],
                                                 &w.Slowo[2], &w.Prowerka[0], &w.Ndapis};
    Look look;
    for (std::size_t i = 0; i < controls.size(); ++i)
        look[i] = {controls[i]->background(), controls[i]->foreground(), controls[i]->font()};
    return look;
}

void SoakRun::perform(const Action& a) {
    if (m_performer) {
        m_performer(a);
        return;
    }
    Ziven& w = window();
    switch (a.kind) {
    case Kind::Click:
        list(a.list)->click(a.index);
        break;
    case Kind::Key: {
        ItemList& l = *list(a.list);
        l.setSelected(keyTarget(a.key, a.value, l.selected(), l.count()));
        break;
    }
    case Kind::Press:
        w.Uprawl_Click(a.index);
        break;
    case Kind::PanelClick:
        w.Grafika_Click(0);
        break;
    case Kind::ClosePictures:
        w.pictures().windowClosed();
        break;
    case Kind::Color:
        w.Cwqt_Click();
        break;
    case Kind::Slider: {
        Cwiat& c = *w.appearanceWindow();
        c.Slider1[static_cast<std::size_t>(a.index)].setValue(a.value);
        c.Slider1_Moved(a.index);
        break;
    }
    case Kind::Option:
        w.appearanceWindow()->Option1_Click(a.index);
        break;
    case Kind::Save:
        w.appearanceWindow()->mnu_zapis_Click();
        break;
    case Kind::Cancel:
    case Kind::CloseAppearance:
        // The close button does what "Отказ" does.
        w.appearanceWindow()->mnu_Otkaz_Click();
        break;
    case Kind::Attempt:
        // A disabled button never reaches its handler.
        break;
    }
}

void SoakRun::apply(const Action& a) {
    switch (a.kind) {
    case Kind::Click: {
        const QString text = list(a.list)->item(a.index);
        perform(a);
        selected(a.list, a.index, text, true);
        break;
    }
    case Kind::Key: {
        const ItemList& l = *list(a.list);
        const int target = keyTarget(a.key, a.value, l.selected(), l.count());
        const bool changed = target != l.selected();
        const QString text = l.item(target);
        perform(a);
        selected(a.list, target, text, changed);
        break;
    }
    case Kind::Press: {
        // Every press first judges "Оцени" by the lists as they stand.
        m_oceniEnabled = static_cast<int>(m_answers.size()) >= 3 * rightLeft();
        const int before = m_answerSelected;
        perform(a);
        switch (a.index) {
        case 0:
            enterPair();
            break;
        case 1:
            if (before >= 0) {
                m_answers.erase(m_answers.begin() + before);
                ++m_coverage.removals;
                m_counterWritten = true;
                m_answerSelected = -1;
                if (!m_answers.empty()) {
                    const int next = std::min(before, static_cast<int>(m_answers.size()) - 1);
                    selected(List::Answers, next, {}, true);
                }
            }
            break;
        case 2:
            if (!m_answers.empty()) {
                m_evaluated = true;
                ++m_coverage.evaluations;
                selected(List::Answers, 0, {}, true);
                m_obqsniEnabled = true;
                m_oceniEnabled = false;
            }
            break;
        case 3:
            if (!m_evaluated) {
                if (m_relationSelected[0] && m_relationSelected[1]) {
                    const int p = m_numberOf[0].value(*m_relationSelected[0]);
                    enterPair();
                    m_explanation = explanation(p);
                    showPicture(p);
                    m_obqsniEnabled = false;
                    ++m_coverage.explanations;
                }
            } else if (m_answerSelected >= 0) {
                const int p = m_answers[static_cast<std::size_t>(m_answerSelected)].first;
                m_explanation = explanation(p);
                showPicture(p);
                m_oceniEnabled = false;
                ++m_coverage.explanations;
            }
            break;
        }
        break;
    }
    case Kind::PanelClick:
        perform(a);
        if (m_currentPhrase >= 1 && m_currentPhrase <= 30 &&
            numericParse(m_content.pictures.flags.value(m_currentPhrase)) > 0) {
            m_pictureWindowShown = true;
            ++m_coverage.pictureWindows;
        }
        break;
    case Kind::ClosePictures:
        perform(a);
        m_pictureWindowShown = false;
        break;
    case Kind::Color:
        perform(a);
        if (!m_appearanceOpen) loadAppearance();
        break;
    case Kind::Slider:
        perform(a);
        m_record[componentAt(m_target, a.index)] = QString::number(a.value);
        m_record[colourAt(m_target)] = QString::number(joinColour(
            m_record[componentAt(m_target, 0)].toInt(), m_record[componentAt(m_target, 1)].toInt(),
            m_record[componentAt(m_target, 2)].toInt()));
        break;
    case Kind::Option:
        perform(a);
        m_target = a.index;
        break;
    case Kind::Save: {
        perform(a);
        ++m_coverage.saves;
        const Colour form = m_record[colourAt(0)].toInt();
        const Colour background = m_record[colourAt(1)].toInt();
        const Colour text = m_record[colourAt(2)].toInt();
        m_look[0].background = form;
        for (std::size_t i = 1; i < m_look.size(); ++i) {
            m_look[i].background = background;
            m_look[i].foreground = text;
            // The counter label keeps its own font.
            if (i < 5) m_look[i].font = {m_record[1], m_record[2].toDouble()};
        }
        m_appearanceOpen = false;
        break;
    }
    case Kind::Cancel:
    case Kind::CloseAppearance:
        perform(a);
        m_appearanceOpen = false;
        break;
    case Kind::Attempt:
        perform(a);
        break;
    }
}

std::optional<std::string> SoakRun::check() const {
    for (int side = 0; side < 2; ++side) {
        if (auto f = checkRelation(side)) return f;
    }
    if (auto f = checkAnswers()) return f;
    for (int side = 0; side < 2; ++side) {
        if (auto f = checkCoverage(side)) return f;
    }
    if (auto f = checkControls()) return f;
    if (auto f = checkPictures()) return f;
    if (auto f = checkRecord()) return f;
    return checkAppearanceWindow();
}

std::optional<std::string> SoakRun::checkRelation(int side) const {
    const auto s = static_cast<std::size_t>(side);
    const Ziven& w = win();
    const ItemList& shownList = w.Slowo[s].list();
    const auto& texts = shownList.items();
    const auto& numbers = w.dum_N[s].items();
    const QStringList& phrases = side == 0 ? m_content.data.left : m_content.data.right;
    const std::string name = "Slowo(" + std::to_string(side) + ")";
    const std::string map = "dum_N(" + std::to_string(side) + ")";
    if (texts.size() != numbers.size())
        return name + " has " + std::to_string(texts.size()) + " items but " + map + " has " +
               std::to_string(numbers.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::optional<int> n = phraseNumber(numbers[i]);
        if (!n || *n > phrases.size())
            return map + " item " + std::to_string(i) + " is " + shown(numbers[i]) +
                   ", not a Phrase number";
        if (phrases[*n - 1] != texts[i])
            return map + " item " + std::to_string(i) + " is " + std::to_string(*n) + " (phrase " +
                   shown(phrases[*n - 1]) + ") but " + name + " shows " + shown(texts[i]);
        if (i > 0 && !inOrder(texts[i - 1], texts[i]))
            return name + " is out of order at " + std::to_string(i) + ": " + shown(texts[i - 1]) +
                   " before " + shown(texts[i]);
    }
    const int sel = shownList.selected();
    if (sel < -1 || sel >= shownList.count())
        return name + " selection " + std::to_string(sel) + " is out of range";
    const std::optional<QString>& expected = m_relationSelected[s];
    if (!expected && sel != -1)
        return name + " has row " + std::to_string(sel) + " selected; expected none";
    if (expected && (sel == -1 || texts[static_cast<std::size_t>(sel)] != *expected))
        return name + " selection should be on " + shown(*expected) + ", is on row " +
               std::to_string(sel) + (sel >= 0 ? " " + shown(shownList.item(sel)) : "");
    const int mapSel = w.dum_N[s].selected();
    if (mapSel < -1 || mapSel >= w.dum_N[s].count())
        return map + " selection " + std::to_string(mapSel) + " is out of range";
    return std::nullopt;
}

std::optional<std::string> SoakRun::checkAnswers() const {
    const Ziven& w = win();
    const ItemList& answers = w.Slowo[2].list();
    const int count = answers.count();
    if (w.dum_N[2].count() != count || w.dum_N[3].count() != count)
        return "Slowo(2), dum_N(2), dum_N(3) have " + std::to_string(count) + ", " +
               std::to_string(w.dum_N[2].count()) + ", " + std::to_string(w.dum_N[3].count()) +
               " items";
    if (static_cast<std::size_t>(count) != m_answers.size())
        return "Slowo(2) has " + std::to_string(count) + " answers; expected " +
               std::to_string(m_answers.size());
    for (int i = 0; i < count; ++i) {
        const auto [left, right] = m_answers[static_cast<std::size_t>(i)];
        if (w.dum_N[2].item(i) != QString::number(left) ||
            w.dum_N[3].item(i) != QString::number(right))
            return "answer " + std::to_string(i) + " holds numbers " + str(w.dum_N[2].item(i)) +
                   "/" + str(w.dum_N[3].item(i)) + "; expected " + std::to_string(left) + "/" +
                   std::to_string(right);
        const QString text = m_content.data.left[left - 1] + u' ' + m_content.data.right[right - 1];
        if (answers.item(i) != text)
            return "answer " + std::to_string(i) + " reads " + shown(answers.item(i)) +
                   "; expected " + shown(text);
    }
    if (answers.selected() != m_answerSelected)
        return "Slowo(2) selection is " + std::to_string(answers.selected()) + "; expected " +
               std::to_string(m_answerSelected);
    for (std::size_t i = 2; i < 4; ++i) {
        const int sel = w.dum_N[i].selected();
        if (sel < -1 || sel >= w.dum_N[i].count())
            return "dum_N(" + std::to_string(i) + ") selection " + std::to_string(sel) +
                   " is out of range";
    }
    return std::nullopt;
}

std::optional<std::string> SoakRun::checkCoverage(int side) const {
    const Ziven& w = win();
    const auto s = static_cast<std::size_t>(side);
    const int total =
        static_cast<int>(side == 0 ? m_content.data.left.size() : m_content.data.right.size());
    std::vector<int> seen(static_cast<std::size_t>(total) + 1, 0);
    for (const QString& n : w.dum_N[s].items())
        ++seen[static_cast<std::size_t>(n.toInt())];
    for (const auto& answer : m_answers)
        ++seen[static_cast<std::size_t>(side == 0 ? answer.first : answer.second)];
    for (int k = 1; k <= total; ++k) {
        if (seen[static_cast<std::size_t>(k)] != 1)
            return std::string(side == 0 ? "left" : "right") + " phrase " + std::to_string(k) +
                   " is in its list or an answer " +
                   std::to_string(seen[static_cast<std::size_t>(k)]) + " times";
    }
    // The key lists and m are set once and never change.
    const ItemList& keys = w.dum_N[4 + s];
    if (keys.count() != total || keys.selected() != -1)
        return "dum_N(" + std::to_string(4 + side) + ") changed";
    for (int k = 0; k < total; ++k) {
        if (keys.item(k) != QString::number(k + 1))
            return "dum_N(" + std::to_string(4 + side) + ") item " + std::to_string(k) + " is " +
                   shown(keys.item(k));
    }
    return std::nullopt;
}

std::optional<std::string> SoakRun::checkControls() const {
    const Ziven& w = win();
    const int m =
        static_cast<int>(std::min(m_content.data.left.size(), m_content.data.right.size()));
    if (w.Nastroiki.toStringList() != QStringList{QString::number(m)})
        return "Nastroiki holds " + str(w.Nastroiki.toStringList().join(u',')) + "; expected " +
               std::to_string(m);

    const std::array<bool, 4> enabled{!m_evaluated, !m_evaluated, m_oceniEnabled, m_obqsniEnabled};
    for (std::size_t i = 0; i < 4; ++i) {
        if (w.Uprawl[i].isEnabled() != enabled[i])
            return "Uprawl(" + std::to_string(i) + ") " + str(w.Uprawl[i].caption()) + " is " +
                   (enabled[i] ? "disabled" : "enabled") + "; expected " +
                   (enabled[i] ? "enabled" : "disabled");
    }

    QString counter = QStringLiteral("Оставащи:");
    if (m_evaluated) {
        int correct = 0;
        for (const auto& [left, right] : m_answers)
            correct += left == right && left <= m;
        const double percent = std::nearbyint(correct * 100.0 / m);
        counter = QStringLiteral("Верни: ") + QString::number(static_cast<int>(percent)) + u'%';
    } else if (m_counterWritten) {
        counter = QStringLiteral("Остават: ") +
                  QString::number(std::min(w.Slowo[0].list().count(), w.Slowo[1].list().count()));
    }
    if (w.Ndapis.caption() != counter)
        return "Ndapis reads " + shown(w.Ndapis.caption()) + "; expected " + shown(counter);

    const TextBox& verdict = w.Prowerka[1];
    if (verdict.isVisible() != m_evaluated)
        return std::string("the verdict box is ") + (m_evaluated ? "hidden" : "visible");
    const int sel = w.Slowo[2].list().selected();
    if (sel >= 0) {
        const bool right = m_answers[static_cast<std::size_t>(sel)].first ==
                           m_answers[static_cast<std::size_t>(sel)].second;
        const QString text = right ? QStringLiteral("ДА") : QStringLiteral("НЕ");
        if (verdict.text() != text || verdict.background() != (right ? RightColour : WrongColour))
            return "the verdict box reads " + shown(verdict.text()) + " on " +
                   std::to_string(verdict.background().value_or(-1)) + " for answer " +
                   std::to_string(sel) + "; expected " + str(text);
    } else if (!m_answerEverSelected) {
        if (!verdict.text().isEmpty() || verdict.background() != RightColour)
            return "the verdict box changed before any answer was selected";
    } else if (verdict.text() != QStringLiteral("ДА") && verdict.text() != QStringLiteral("НЕ")) {
        return "the verdict box reads " + shown(verdict.text());
    }

    if (w.Prowerka[0].text() != m_explanation)
        return "Prowerka(0) reads " + shown(w.Prowerka[0].text()) + "; expected " +
               shown(m_explanation);
    if (w.Current_Phrase != m_currentPhrase)
        return "Current_Phrase is " + std::to_string(w.Current_Phrase) + "; expected " +
               std::to_string(m_currentPhrase);
    if (lookOf() != m_look) return "the main window's colours or fonts changed unexpectedly";
    return std::nullopt;
}

std::optional<std::string> SoakRun::checkPictures() const {
    const Ziven& w = win();
    const PictureContentData& pictures = m_content.pictures;
    const auto boxOf = [&](int p) -> PictureRef {
        if (p < 1 || p > 30) return pictures.noPicture;
        const std::optional<double> flag = strictNumber(pictures.flags.value(p));
        return flag && *flag != 0.0 ? pictures.pictures[static_cast<std::size_t>(p)]
                                    : pictures.noPicture;
    };
    if (w.Grafika[0].picture() != boxOf(m_shownPhrase))
        return "the picture panel does not show phrase " + std::to_string(m_shownPhrase) +
               "'s picture";
    const Ziven_Graphika* g = w.pictures().window();
    const bool visible = g && g->isVisible();
    if (visible != m_pictureWindowShown)
        return std::string("the picture window is ") + (visible ? "shown" : "hidden") +
               "; expected " + (m_pictureWindowShown ? "shown" : "hidden");
    if (visible) {
        const auto p = static_cast<std::size_t>(m_currentPhrase);
        const PictureBox& display = g->Graphika[0];
        if (display.picture() != pictures.pictures[p] ||
            display.rect().width != pictures.widths[p] ||
            display.rect().height != pictures.heights[p] ||
            g->outerWidth() != pictures.widths[p] + 100 ||
            g->outerHeight() != pictures.heights[p] + 250)
            return "the picture window does not show phrase " + std::to_string(p) + " at its size";
    }
    return std::nullopt;
}

std::optional<std::string> SoakRun::checkRecord() const {
    const QStringList record = win().Cweta[0].toStringList();
    if (record.size() != RecordSize)
        return "the appearance record has " + std::to_string(record.size()) + " items";
    if (record[0] != m_description) return "the record's description changed";
    for (int i = 3; i < RecordSize; ++i) {
        bool ok = false;
        const long long v = record[i].toLongLong(&ok);
        const long long high = (i - 3) % 4 == 0 ? 16777215 : 255;
        if (!ok || QString::number(v) != record[i] || v < 0 || v > high)
            return "record position " + std::to_string(i) + " is " + shown(record[i]);
    }
    if (m_appearanceLoaded) {
        for (int k = 0; k < 4; ++k) {
            const Colour joined =
                joinColour(record[componentAt(k, 0)].toInt(), record[componentAt(k, 1)].toInt(),
                           record[componentAt(k, 2)].toInt());
            if (record[colourAt(k)].toInt() != joined)
                return "record colour " + std::to_string(k) + " " + str(record[colourAt(k)]) +
                       " is not the join of its components";
        }
    }
    for (int i = 0; i < RecordSize; ++i) {
        if (record[i] != m_record[i])
            return "record position " + std::to_string(i) + " is " + shown(record[i]) +
                   "; expected " + shown(m_record[i]);
    }
    return std::nullopt;
}

std::optional<std::string> SoakRun::checkAppearanceWindow() const {
    const Ziven& w = win();
    const Cwiat* c = w.appearanceWindow();
    if ((c != nullptr) != m_appearanceOpen)
        return std::string("the appearance window is ") + (c ? "open" : "closed");
    if (w.appearanceGeneration() != m_appearanceGeneration)
        return "the appearance window was made " + std::to_string(w.appearanceGeneration()) +
               " times; expected " + std::to_string(m_appearanceGeneration);
    if (!c) return std::nullopt;
    if (c->Current_Target != m_target)
        return "the appearance window edits target " + std::to_string(c->Current_Target) +
               "; expected " + std::to_string(m_target);
    for (int v = 0; v < 3; ++v) {
        if (QString::number(c->Slider1[static_cast<std::size_t>(v)].value()) !=
            m_record[componentAt(m_target, v)])
            return "Slider1(" + std::to_string(v) + ") is not at the record's component";
    }
    for (const auto& l : c->List_font) {
        if (l.list().selected() < -1 || l.list().selected() >= l.list().count())
            return "a font list's selection is out of range";
    }
    return std::nullopt;
}

Action SoakRun::pick(std::mt19937& rng, const Temper& temper) const {
    const Ziven& w = win();
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const auto rowIn = [&](List which) { return below(list(which)->count()); };
    const auto key = [&](List which) {
        Action a{Kind::Key, which, static_cast<Key>(below(6)), 0, 1 + below(12)};
        return a;
    };

    if (w.appearanceWindow() && chance(0.3)) {
        const int roll = below(100);
        if (roll < 45) return {Kind::Slider, List::Left, Key::Down, below(3), below(256)};
        if (roll < 60) return {Kind::Option, List::Left, Key::Down, 1 + below(2), 0};
        if (roll < 72) return {Kind::Click, List::Sizes, Key::Down, rowIn(List::Sizes), 0};
        if (roll < 78) return key(List::Sizes);
        if (roll < 84 && list(List::Fonts)->count() > 0)
            return {Kind::Click, List::Fonts, Key::Down, rowIn(List::Fonts), 0};
        if (roll < 90) return {Kind::Save};
        if (roll < 95) return {Kind::Cancel};
        return {Kind::CloseAppearance};
    }

    if (w.Uprawl[0].isEnabled() && w.Slowo[0].list().selected() >= 0 &&
        w.Slowo[1].list().selected() >= 0 && chance(temper.pairNow))
        return {Kind::Press, List::Left, Key::Down, 0, 0};

    for (;;) {
        const int roll = below(100);
        if (roll < 36) {
            const List which = roll < 16 ? List::Left : roll < 30 ? List::Right : List::Answers;
            if (list(which)->count() == 0) continue;
            if (chance(0.7)) return {Kind::Click, which, Key::Down, rowIn(which), 0};
            return key(which);
        }
        if (roll < 84) {
            // "Избрах" most, so that tests get to their end.
            const std::array<int, 4> weights{8, temper.removeWeight, 3, 2};
            std::vector<int> choices;
            for (std::size_t i = 0; i < 4; ++i) {
                if (w.Uprawl[i].isEnabled())
                    choices.insert(choices.end(), static_cast<std::size_t>(weights[i]),
                                   static_cast<int>(i));
            }
            if (choices.empty()) continue;
            return {Kind::Press, List::Left, Key::Down,
                    choices[static_cast<std::size_t>(below(static_cast<int>(choices.size())))], 0};
        }
        if (roll < 92) return {Kind::PanelClick};
        if (roll < 96) {
            const Ziven_Graphika* g = w.pictures().window();
            if (g && g->isVisible()) return {Kind::ClosePictures};
            continue;
        }
        return {Kind::Color};
    }
}

std::string SoakRun::describe(const Action& a) const {
    std::string text = toString(a);
    const Ziven& w = win();
    switch (a.kind) {
    case Kind::Click:
        if (const ItemList* l = list(a.list); l && a.index < l->count()) {
            text += " " + shown(l->item(a.index));
            if (a.list == List::Left || a.list == List::Right)
                text += " (phrase " +
                        std::to_string(
                            m_numberOf[a.list == List::Left ? 0 : 1].value(l->item(a.index))) +
                        ")";
            else if (a.list == List::Answers)
                text += " (phrases " +
                        std::to_string(m_answers[static_cast<std::size_t>(a.index)].first) + "/" +
                        std::to_string(m_answers[static_cast<std::size_t>(a.index)].second) + ")";
        }
        break;
    case Kind::Key:
        if (const ItemList* l = list(a.list)) {
            const int to = keyTarget(a.key, a.value, l->selected(), l->count());
            text += " (row " + std::to_string(l->selected()) + " -> " + std::to_string(to) +
                    (to >= 0 ? " " + shown(l->item(to)) : std::string()) + ")";
        }
        break;
    case Kind::Press:
    case Kind::Attempt:
        if (a.index >= 0 && a.index < 4)
            text += " \"" + str(w.Uprawl[static_cast<std::size_t>(a.index)].caption()) + "\"";
        break;
    default:
        break;
    }
    return text;
}

} // namespace soak
