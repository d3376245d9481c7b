#include "pictures/picturecontent.h"

namespace {

constexpr int questionCount = 30;
constexpr int builtinWidth = 1695;
constexpr int builtinHeight = 1815;

} // namespace

PictureContentData builtinPictureData() {
    PictureContentData data;
    data.flags.append(QStringLiteral("Utochnenie dali ima grafika - 30 br"));
    for (int k = 1; k <= questionCount; ++k) {
        data.flags.append(QStringLiteral("0"));
        data.widths[static_cast<std::size_t>(k)] = builtinWidth;
        data.heights[static_cast<std::size_t>(k)] = builtinHeight;
    }
    return data;
}

// Deliberately not the address that begins the test title.
QString pictureWindowAddress() {
    return QStringLiteral("http://pictures.ziven-tests.example");
}
