#pragma once

// Building the real windows over a test content and driving them as a pupil
// would: mouse clicks on rows, buttons and the menu bar, keys.

#include "fixtures/testcontents.h"
#include "ui/cwiatwindow.h"
#include "ui/itemlistview.h"
#include "ui/zivenwindow.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace ui {

template <typename T> T* child(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

inline void clickRow(ItemListView* view, int row) {
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

inline void press(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks a top-level item of a window's menu bar where the pupil sees it.
inline void clickMenu(QMainWindow& window, const QString& text) {
    QMenuBar* bar = window.menuBar();
    for (QAction* action : bar->actions()) {
        if (action->text() == text) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
}

inline QStringList rows(const ItemListView* view) {
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, 0).data().toString());
    return texts;
}

inline int selectedRow(const ItemListView* view) {
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

// The main window over a content, shown and exposed.
struct MainWindow {
    explicit MainWindow(const TestContentData& data = builtinContentData(),
                        PictureContentData pictures = builtinPictureData())
        : test(data, std::move(pictures)), window(std::make_unique<ZivenWindow>(*test.window)) {
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    ~MainWindow() {
        window.reset();
        // Windows dropped from their own handlers go with the deferred deletes.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Ziven& model() const { return *test.window; }
    ItemListView* list(int index) const {
        return child<ItemListView>(*window, QStringLiteral("Slowo(%1)").arg(index));
    }
    QAbstractButton* button(int index) const {
        return child<QAbstractButton>(*window, QStringLiteral("Uprawl(%1)").arg(index));
    }
    CwiatWindow* openAppearance() const {
        clickMenu(*window, QStringLiteral("Color"));
        return window->appearanceWindow();
    }

    fixtures::TestWindow test;
    std::unique_ptr<ZivenWindow> window;
};

} // namespace ui
