#pragma once

#include "core/platform.h"

#include <QStringList>

#include <array>

// The pictures of a test and the flags saying which questions have one, as
// plain data. Index k (1..30) belongs to question k; index 0 is unused.
struct PictureContentData {
    // Item 0 a title, item k the picture flag of question k ("0": none).
    QStringList flags;
    // The picture of question k; empty (nullptr) where there is none.
    std::array<PictureRef, 31> pictures{};
    // The size, in twips, at which question k's picture is shown enlarged.
    std::array<int, 31> widths{};
    std::array<int, 31> heights{};
    // The panel's no-picture image; empty in the built-in test.
    PictureRef noPicture;
};

// The built-in test's pictures: 30 flags "0", 30 empty boxes of 1695 x 1815.
PictureContentData builtinPictureData();
// The web address that begins the picture window's caption.
QString pictureWindowAddress();
