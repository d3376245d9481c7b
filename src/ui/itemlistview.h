#pragma once

#include "core/itemlist.h"

#include <QListView>

class ItemListModel;

// A list box. The pupil's input goes to the item list, never straight into
// the view: a click on a row is the list's click, a key that moves the
// selection is its setSelected. The view shows the list's selection only when
// told to, so the program's own changes never come back as input.
class ItemListView : public QListView {
    Q_OBJECT
public:
    explicit ItemListView(ItemList& list, QWidget* parent = nullptr);

    ItemListModel& adapter() const { return *m_adapter; }
    // Puts the view's selection where the list has it.
    void showSelection();
    // The list is going away; see ItemListModel::detach.
    void detach();

Q_SIGNALS:
    // A click or a key went to the list; the window shows the result.
    void pupilActed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int rowsPerPage() const;
    // Where a navigation key moves the selection from `from`; -1 for none.
    int targetRow(int key, int from) const;

    ItemListModel* m_adapter = nullptr;
};
