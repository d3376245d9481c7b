#include "ui/menubarkey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

void addMenuBarKey(QMainWindow& window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
        QMenuBar* bar = window.menuBar();
        if (!bar->isVisible() || bar->hasFocus()) return;
        // The bar's keyboard mode, with its focus handling, has no public
        // switch; it follows a tap of Alt alone, which the bar watches for on
        // its window. So F10 taps Alt.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(&window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &release);
    });
}
