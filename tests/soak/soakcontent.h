#pragma once

#include "content/ziven_danni.h"
#include "pictures/picturecontent.h"

#include <string>
#include <vector>

namespace soak {

// A test and its pictures for the main window to run.
struct SoakContent {
    std::string name;
    TestContentData data;
    PictureContentData pictures;
};

// The built-in test, unequal counts both ways, 1 x 1, and a 45 x 40 test of
// awkward texts and flags: 300-character phrases, blank-looking ones, Latin
// and Cyrillic texts differing only in case, explanation and picture flags
// that are negative, not numbers or past the lists they point to, and
// pictures larger than the panel.
const std::vector<SoakContent>& soakContents();

} // namespace soak
