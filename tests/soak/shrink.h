#pragma once

#include "soakaction.h"

#include <functional>
#include <optional>

namespace soak {

// Tells whether a list of actions still fails; when it does, gives back the
// part of it that is needed (the list cut after the failing action).
using StillFails = std::function<std::optional<Actions>(const Actions&)>;

// Delta debugging: removes ever smaller chunks, down to single actions, and
// keeps each removal after which the list still fails. Stops after `tries`
// replays at most. `actions` must fail.
Actions shrink(Actions actions, const StillFails& stillFails, int tries = 3000);

} // namespace soak
