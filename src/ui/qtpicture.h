#pragma once

#include "core/platform.h"

#include <QPixmap>

// A picture held as a QPixmap; boxes showing it share the one pixmap.
class QtPicture : public Picture {
public:
    explicit QtPicture(QPixmap pixmap) : m_pixmap(std::move(pixmap)) {}
    int widthPixels() const override { return m_pixmap.width(); }
    int heightPixels() const override { return m_pixmap.height(); }
    const QPixmap& pixmap() const { return m_pixmap; }

    static PictureRef fromPixmap(const QPixmap& pixmap);

private:
    QPixmap m_pixmap;
};
