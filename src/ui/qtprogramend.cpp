#include "ui/qtprogramend.h"

#include <QApplication>
#include <QWidget>

void QtProgramEnd::endNow() {
    // hide(), unlike close(), sends no close event, so no window's own
    // closing handling runs.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    QCoreApplication::exit(0);
}
