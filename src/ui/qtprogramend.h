#pragma once

#include "core/platform.h"

// Ends the program at once: every window disappears without its closing
// handling and the event loop returns, so nothing queued runs any more.
class QtProgramEnd : public ProgramEnd {
public:
    void endNow() override;
};
