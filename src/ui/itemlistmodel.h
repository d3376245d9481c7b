#pragma once

#include "core/itemlist.h"

#include <QAbstractListModel>

// Shows an item list to a Qt view. The list reports each change row by row,
// so a view of tens of thousands of rows is never rebuilt on a click.
class ItemListModel : public QAbstractListModel, public ItemListObserver {
    Q_OBJECT
public:
    explicit ItemListModel(ItemList& list, QObject* parent = nullptr);
    ~ItemListModel() override;

    ItemList* list() const { return m_list; }
    // The list is about to go away (it must still exist): show nothing and
    // never touch it again.
    void detach();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void aboutToInsert(int first, int last) override;
    void inserted(int first, int last) override;
    void aboutToRemove(int first, int last) override;
    void removed(int first, int last) override;
    void aboutToReset() override;
    void reset() override;
    void changed(int row) override;
    // The view follows the selection when the window shows its models.
    void selectionChanged(int) override {}

private:
    ItemList* m_list = nullptr;
};
