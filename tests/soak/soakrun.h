#pragma once

#include "soakaction.h"
#include "soakcontent.h"

#include "fixtures/testcontents.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace soak {

// How often a run reached the states worth reaching, so a generator that
// stops getting somewhere shows.
struct Coverage {
    std::size_t pairs = 0;
    std::size_t removals = 0;
    std::size_t evaluations = 0;
    std::size_t explanations = 0;
    std::size_t pictureWindows = 0;
    std::size_t appearanceLoads = 0;
    std::size_t saves = 0;
    Coverage& operator+=(const Coverage& o) {
        pairs += o.pairs;
        removals += o.removals;
        evaluations += o.evaluations;
        explanations += o.explanations;
        pictureWindows += o.pictureWindows;
        appearanceLoads += o.appearanceLoads;
        saves += o.saves;
        return *this;
    }
};

// How a run's pupil behaves, drawn once a run: some take answers back
// often, others hurry to the end of the test.
struct Temper {
    int removeWeight = 2; // of "Върни" among the enabled buttons
    double pairNow = 0.3; // chance to press "Избрах" as soon as both lists have a choice
};

// One main window over a content, driven by pupil actions, beside a model of
// what the window must then hold; after every action the window is checked
// against the model and against the rules that hold in every state.
class SoakRun {
public:
    explicit SoakRun(const SoakContent& content);

    enum class Outcome { Done, Skipped, Failed };
    struct Result {
        Outcome outcome = Outcome::Done;
        std::string message;
    };

    // What is wrong right after start-up, if anything.
    std::optional<std::string> startFailure() const { return check(); }
    // Applies the action if the pupil could do it now, then checks.
    Result step(const Action& action);
    // An action the pupil could do now.
    Action pick(std::mt19937& rng, const Temper& temper = {}) const;
    // The action with what it meets in the window now (row texts, buttons).
    std::string describe(const Action& action) const;

    Ziven& window() { return *m_window->window; }
    const Ziven& window() const { return *m_window->window; }
    const Coverage& coverage() const { return m_coverage; }
    // How often the program asked to end.
    int programEndCalls() const { return m_window->end.calls; }

    // Does an action some other way than calling the window's handlers
    // (through real widgets, say); step() still works out what must follow.
    using Performer = std::function<void(const Action&)>;
    void setPerformer(Performer performer) { m_performer = std::move(performer); }
    std::optional<std::string> check() const;

private:
    struct ControlLook {
        std::optional<Colour> background;
        std::optional<Colour> foreground;
        Font font;
        friend bool operator==(const ControlLook&, const ControlLook&) = default;
    };
    // Ziven, Slowo(0..2), Prowerka(0), Ndapis.
    using Look = std::array<ControlLook, 6>;
    using Answer = std::pair<int, int>; // left and right Phrase numbers

    const Ziven& win() const { return *m_window->window; }
    ItemList* list(List which);
    const ItemList* list(List which) const;
    bool applicable(const Action& action) const;
    void apply(const Action& action);
    void perform(const Action& action);
    void selected(List which, int row, const QString& text, bool raised);
    void focus(int phrase);
    void showPicture(int phrase);
    bool enterPair();
    QString explanation(int phrase) const;
    void loadAppearance();
    Look lookOf() const;
    int rightLeft() const;

    std::optional<std::string> checkRelation(int side) const;
    std::optional<std::string> checkAnswers() const;
    std::optional<std::string> checkCoverage(int side) const;
    std::optional<std::string> checkControls() const;
    std::optional<std::string> checkPictures() const;
    std::optional<std::string> checkRecord() const;
    std::optional<std::string> checkAppearanceWindow() const;

    const SoakContent& m_content;
    std::unique_ptr<fixtures::TestWindow> m_window;
    Performer m_performer;
    std::array<QHash<QString, int>, 2> m_numberOf; // first Phrase number of a text

    // The model.
    std::array<std::optional<QString>, 2> m_relationSelected;
    std::vector<Answer> m_answers;
    int m_answerSelected = -1;
    bool m_answerEverSelected = false;
    bool m_evaluated = false;
    bool m_counterWritten = false;
    bool m_oceniEnabled = false;
    bool m_obqsniEnabled = true;
    int m_currentPhrase = 0;
    int m_shownPhrase = 0;
    bool m_pictureWindowShown = false;
    QString m_explanation;
    QStringList m_record;
    QString m_description;
    bool m_appearanceLoaded = false;
    bool m_appearanceOpen = false;
    std::uint64_t m_appearanceGeneration = 0;
    int m_target = 0;
    Look m_look;
    Coverage m_coverage;
};

} // namespace soak
