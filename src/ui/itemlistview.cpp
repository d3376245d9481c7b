#include "ui/itemlistview.h"

#include "ui/itemlistmodel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

ItemListView::ItemListView(ItemList& list, QWidget* parent)
    : QListView(parent), m_adapter(new ItemListModel(list, this)) {
    setModel(m_adapter);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ItemListView::detach() {
    m_adapter->detach();
}

void ItemListView::showSelection() {
    const ItemList* list = m_adapter->list();
    const int row = list ? list->selected() : -1;
    QItemSelectionModel* selection = selectionModel();
    const QModelIndex current = currentIndex();
    if (row < 0) {
        if (!selection->hasSelection() && !current.isValid()) return;
        const QSignalBlocker blocker(this);
        selection->clear();
        return;
    }
    const QModelIndex wanted = m_adapter->index(row);
    if (current == wanted && selection->isSelected(wanted)) return;
    const QSignalBlocker blocker(this);
    selection->setCurrentIndex(wanted, QItemSelectionModel::ClearAndSelect);
    scrollTo(wanted);
}

void ItemListView::mousePressEvent(QMouseEvent* event) {
    ItemList* list = m_adapter->list();
    if (!list || event->button() != Qt::LeftButton) return;
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!at.isValid()) return;
    list->click(at.row());
    Q_EMIT pupilActed();
}

// A double click is a second click; dragging does not move the selection.
void ItemListView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ItemListView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ItemListView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

int ItemListView::rowsPerPage() const {
    const int rowHeight = std::max(1, sizeHintForRow(0));
    return std::max(1, viewport()->height() / rowHeight - 1);
}

int ItemListView::targetRow(int key, int from) const {
    const int count = m_adapter->rowCount();
    if (count == 0) return -1;
    const int last = count - 1;
    // With nothing selected every key but End starts at the first row.
    if (from < 0) return key == Qt::Key_End ? last : 0;
    switch (key) {
    case Qt::Key_Up:
        return std::max(0, from - 1);
    case Qt::Key_Down:
        return std::min(last, from + 1);
    case Qt::Key_PageUp:
        return std::max(0, from - rowsPerPage());
    case Qt::Key_PageDown:
        return std::min(last, from + rowsPerPage());
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return last;
    default:
        return -1;
    }
}

void ItemListView::keyPressEvent(QKeyEvent* event) {
    ItemList* list = m_adapter->list();
    if (!list) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: {
        const int row = targetRow(event->key(), list->selected());
        if (row >= 0) list->setSelected(row);
        event->accept();
        Q_EMIT pupilActed();
        return;
    }
    default:
        break;
    }
    // Typing a letter jumps to the next item starting with it; the view
    // finds it, the list takes it.
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && event->modifiers() == Qt::NoModifier) {
        keyboardSearch(text);
        const int row = currentIndex().row();
        if (row >= 0 && row != list->selected()) list->setSelected(row);
        event->accept();
        Q_EMIT pupilActed();
        return;
    }
    // Everything else (Escape, Enter, shortcuts) belongs to the window.
    event->ignore();
}
