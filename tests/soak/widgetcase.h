#pragma once

#include "soakcase.h"

#include <cstdint>

namespace soak {

// One shown main window driven through its widgets; a passing run ends with
// "Exit". Run seed 1234 always gives the same actions, and as many, on the
// same content.
CaseResult runWidgetCase(const SoakContent& content, std::uint32_t seed);

// Plays the actions on a fresh shown window and stops at the first failure.
std::optional<Failure> replayWidgets(const SoakContent& content, const Actions& actions);

// The failing run cut down (within a bounded number of replays), then told
// action by action as the widgets meet it.
std::string widgetReport(const SoakContent& content, const CaseResult& failed);

} // namespace soak
