#include "app/listcontrolmodel.h"

#include <QScopedValueRollback>

#include "app/plaintooltip.h"
#include "windowmodel/listcontrol.h"

ListControlModel::ListControlModel(const ListControl &control, const ScreenUpdates *updates, QObject *parent)
    : QAbstractListModel(parent), m_control(control), m_shownRows(int(control.count())),
      m_catchUp(updates, this, [this] {
          showAnew();
          emit selectionToShow();
      })
{
    connect(&m_control, &ListControl::rowInserted, this, &ListControlModel::followInsert);
    connect(&m_control, &ListControl::rowRemoved, this, &ListControlModel::followRemove);
    for (auto whole : {&ListControl::cleared, &ListControl::replaced}) {
        connect(&m_control, whole, this, [this] {
            if (!m_catchUp.heldBack())
                showAnew();
        });
    }
    connect(&m_control, &ListControl::changed, this, [this] {
        if (m_catchUp.heldBack())
            return;
        if (m_shownRows != m_control.count())
            showAnew();
        emit selectionToShow();
    });
}

void ListControlModel::setRowToolTip(RowToolTip toolTip, const ListControl *source)
{
    m_rowToolTip = std::move(toolTip);
    if (!source)
        return;
    connect(source, &ListControl::changed, this, [this] {
        if (!m_catchUp.heldBack() && m_shownRows > 0)
            emit dataChanged(index(0), index(m_shownRows - 1), {Qt::ToolTipRole});
    });
}

int ListControlModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

QVariant ListControlModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_shownRows)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_control.row(index.row());
    case Qt::ToolTipRole:
        return m_rowToolTip ? QVariant(plainToolTip(m_rowToolTip(index.row()))) : QVariant();
    default:
        return {};
    }
}

// Every row anew: at the start, after a hold, an undo or a clear, or if the views lost step.
void ListControlModel::showAnew()
{
    const QScopedValueRollback following(m_following, true);
    beginResetModel();
    m_shownRows = int(m_control.count());
    endResetModel();
}

// The control has changed already; the views learn of the change as if it were to come, with
// the count they know of until it is over.
void ListControlModel::followInsert(int row)
{
    if (m_catchUp.heldBack())
        return;
    if (row < 0 || row > m_shownRows) {
        showAnew();
        return;
    }
    const QScopedValueRollback following(m_following, true);
    beginInsertRows(QModelIndex(), row, row);
    ++m_shownRows;
    endInsertRows();
}

void ListControlModel::followRemove(int row)
{
    if (m_catchUp.heldBack())
        return;
    if (row < 0 || row >= m_shownRows) {
        showAnew();
        return;
    }
    const QScopedValueRollback following(m_following, true);
    beginRemoveRows(QModelIndex(), row, row);
    --m_shownRows;
    endRemoveRows();
}
