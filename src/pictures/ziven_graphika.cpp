#include "pictures/ziven_graphika.h"

Ziven_Graphika::Ziven_Graphika(const PictureContentData& content) {
    setCaption(pictureWindowAddress() + QStringLiteral(" - Ziven picture"));
    setClientSize(11880, 8490);
    // Title bar and thin border: opening for a box of w x h takes an outer
    // size of w + 100 by h + 250, which leaves the box the whole client area.
    setFrame(100, 250);
    setVisible(false);

    Spis_graf[0].addMany(content.flags);

    // Graphika(0) is the only box ever shown; the others just hold a
    // question's picture and the size to show it at.
    Graphika[0].setRect({0, 0, 1695, 1815});
    for (std::size_t k = 1; k < Graphika.size(); ++k) {
        Graphika[k].setVisible(false);
        Graphika[k].setRect({0, 0, content.widths[k], content.heights[k]});
        Graphika[k].setPicture(content.pictures[k]);
    }
}
