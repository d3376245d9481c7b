#include "ui/qtpicture.h"

PictureRef QtPicture::fromPixmap(const QPixmap& pixmap) {
    return std::make_shared<const QtPicture>(pixmap);
}
