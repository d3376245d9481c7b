#include "shrink.h"

#include <algorithm>

namespace soak {

Actions shrink(Actions actions, const StillFails& stillFails, int tries) {
    std::size_t chunks = 2;
    while (actions.size() >= 2 && tries > 0) {
        const std::size_t size = actions.size();
        chunks = std::min(chunks, size);
        const std::size_t chunk = (size + chunks - 1) / chunks;
        bool removed = false;
        for (std::size_t start = 0; start < size && tries > 0; start += chunk) {
            Actions candidate(actions.begin(),
                              actions.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(candidate.end(),
                             actions.begin() +
                                 static_cast<std::ptrdiff_t>(std::min(size, start + chunk)),
                             actions.end());
            --tries;
            if (auto kept = stillFails(candidate)) {
                actions = std::move(*kept);
                removed = true;
                break;
            }
        }
        if (removed) {
            chunks = std::max<std::size_t>(chunks - 1, 2);
        } else if (chunk == 1) {
            break; // no single action can go
        } else {
            chunks *= 2;
        }
    }
    return actions;
}

} // namespace soak
