#include "ui/programicon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Colours of the classic 16-colour palette only.
const QColor Green(0, 128, 0);
const QColor DarkGreen(0, 64, 0);
const QColor White(255, 255, 255);
const QColor Silver(192, 192, 192);
const QColor Yellow(255, 255, 0);

// Drawn on a 16-unit grid, like the launcher icon, and scaled by whole
// pixels so that both sizes stay crisp.
QPixmap pairsImage(int size) {
    const int unit = size / 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(unit, 0, size - 2 * unit, size, Green);
    painter.fillRect(0, unit, size, size - 2 * unit, Green);
    painter.setPen(DarkGreen);
    painter.drawRect(0, 0, size - 1, size - 1);
    for (int top : {3, 7, 11}) {
        painter.fillRect(2 * unit, top * unit, 4 * unit, 2 * unit, Silver);
        painter.fillRect(10 * unit, top * unit, 4 * unit, 2 * unit, Yellow);
    }
    painter.setPen(QPen(White, unit));
    painter.drawLine(6 * unit, 4 * unit, 10 * unit, 8 * unit);
    painter.drawLine(6 * unit, 8 * unit, 10 * unit, 4 * unit);
    painter.drawLine(6 * unit, 12 * unit, 10 * unit, 12 * unit);
    return pixmap;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(pairsImage(32));
    icon.addPixmap(pairsImage(16));
    return icon;
}

QIcon appearanceIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(128, 128, 128));
    QPainter painter(&pixmap);
    painter.fillRect(2, 2, 4, 12, QColor(255, 0, 0));
    painter.fillRect(6, 2, 4, 12, QColor(0, 255, 0));
    painter.fillRect(10, 2, 4, 12, QColor(0, 0, 255));
    return QIcon(pixmap);
}
