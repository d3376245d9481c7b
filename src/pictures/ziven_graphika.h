#pragma once

#include "core/controls.h"
#include "pictures/picturecontent.h"

#include <array>

// The picture window: one hidden box a question holding its picture, the
// flags list, and the display box at the top-left corner. A fixed tool window
// with only a close button; it has no behaviour of its own.
class Ziven_Graphika : public WindowModel {
public:
    explicit Ziven_Graphika(const PictureContentData& content);

    // Spis_graf(0): item 0 a title, item k the picture flag of question k.
    std::array<ItemList, 1> Spis_graf;
    // Graphika(0) the display box; Graphika(1..30) the questions' pictures.
    std::array<PictureBox, 31> Graphika;
};
