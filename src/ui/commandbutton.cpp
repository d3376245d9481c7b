#include "ui/commandbutton.h"

#include <QKeyEvent>

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
