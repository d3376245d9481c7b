#pragma once

#include "soakaction.h"
#include "soakcontent.h"
#include "soakrun.h"

#include <memory>
#include <optional>
#include <random>
#include <string>

class QWidget;
class ZivenWindow;

namespace soak {

// The model soak's run with a shown main window over its model: every action
// is done with QTest clicks and keys on the real widgets, then the models are
// checked against the soak's rules and every widget against its model.
class WidgetDriver {
public:
    explicit WidgetDriver(const SoakContent& content);
    ~WidgetDriver();
    WidgetDriver(const WidgetDriver&) = delete;
    WidgetDriver& operator=(const WidgetDriver&) = delete;

    std::optional<std::string> startFailure() const;
    // A pupil action the model soak would pick, or a try at a disabled
    // button, with the way to do it and what the widgets decide (rows a
    // page, a slider value the mouse can reach) filled in.
    Action next(std::mt19937& rng, const Temper& temper);
    SoakRun::Result step(const Action& action);
    std::string describe(const Action& action) const { return m_run.describe(action); }
    const Coverage& coverage() const { return m_run.coverage(); }
    // "Exit" on the menu bar: the program must be asked to end, once.
    std::optional<std::string> exitOnce();

private:
    QWidget* widget(const QString& name) const;
    // False when the pupil cannot reach the widget (a hidden list).
    bool reachable(const Action& action) const;
    void perform(const Action& action);
    void moveSlider(const Action& action);

    SoakRun m_run;
    std::unique_ptr<ZivenWindow> m_view;
    bool m_exposed = false;
};

} // namespace soak
