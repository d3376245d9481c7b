#pragma once

#include "core/controls.h"
#include "pictures/picturecontent.h"
#include "pictures/ziven_graphika.h"

#include <array>
#include <cstdint>
#include <memory>

// The main window's picture panel and the picture window it opens. The panel
// boxes belong to the main window; the picture window is created on first
// use, and made afresh after the pupil closes it.
class PicturePanel {
public:
    PicturePanel(std::array<PictureBox, 2>& grafika, const PictureContentData& content);

    // Shows question p's picture, or the no-picture image, in the panel and
    // hides the picture window (creating it hidden the first time).
    void Show_Pictures(int p);
    // Opens the picture window for `currentPhrase` when its flag is above 0.
    void Grafika_Click(std::int16_t currentPhrase);

    // The picture window, or nullptr when it does not exist.
    Ziven_Graphika* window() const { return m_window.get(); }
    // Grows each time a new picture window is made, so a view can tell a
    // fresh window from the old one.
    std::uint64_t windowGeneration() const { return m_generation; }
    // The pupil closed the picture window: it is gone until next needed.
    void windowClosed();

private:
    Ziven_Graphika& ensureWindow();

    std::array<PictureBox, 2>& m_grafika;
    const PictureContentData& m_content;
    std::unique_ptr<Ziven_Graphika> m_window;
    std::uint64_t m_generation = 0;
};
