#pragma once

#include <optional>
#include <string>

class Ziven;
class ZivenWindow;

namespace soak {

// What the main window and the appearance and picture windows it opened
// show, against the models they show: rows, selections, captions, texts,
// pictures, slider values, enabled states, visibility, geometry, fonts and
// the colours the models set. The first difference, or nothing.
std::optional<std::string> checkWidgets(const ZivenWindow& view, const Ziven& model);

} // namespace soak
