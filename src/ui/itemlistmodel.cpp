#include "ui/itemlistmodel.h"

ItemListModel::ItemListModel(ItemList& list, QObject* parent)
    : QAbstractListModel(parent), m_list(&list) {
    m_list->setObserver(this);
}

ItemListModel::~ItemListModel() {
    if (m_list && m_list->observer() == this) m_list->setObserver(nullptr);
}

void ItemListModel::detach() {
    if (!m_list) return;
    beginResetModel();
    if (m_list->observer() == this) m_list->setObserver(nullptr);
    m_list = nullptr;
    endResetModel();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_list) return 0;
    return m_list->count();
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!m_list || !index.isValid() || index.row() >= m_list->count()) return {};
    if (role == Qt::DisplayRole) return m_list->items()[static_cast<std::size_t>(index.row())];
    return {};
}

void ItemListModel::aboutToInsert(int first, int last) {
    beginInsertRows({}, first, last);
}

void ItemListModel::inserted(int, int) {
    endInsertRows();
}

void ItemListModel::aboutToRemove(int first, int last) {
    beginRemoveRows({}, first, last);
}

void ItemListModel::removed(int, int) {
    endRemoveRows();
}

void ItemListModel::aboutToReset() {
    beginResetModel();
}

void ItemListModel::reset() {
    endResetModel();
}

void ItemListModel::changed(int row) {
    const QModelIndex at = index(row);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole});
}
