#include "app/listselection.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QScopedValueRollback>

#include "app/listcontrolmodel.h"
#include "windowmodel/listcontrol.h"

ListSelection::ListSelection(ListControl &control, ListControlModel &model, QObject *parent)
    : QObject(parent), m_control(control), m_model(model)
{
    connect(&m_model, &ListControlModel::selectionToShow, this, &ListSelection::show);
}

ListSelection::ListSelection(ListControl &control, ListControlModel &model, QComboBox *combo)
    : ListSelection(control, model, static_cast<QObject *>(combo))
{
    m_combo = combo;
    m_combo->setModel(&m_model);
    // activated() comes from the user alone (mouse, keys, wheel), never from code.
    connect(m_combo, &QComboBox::activated, this, &ListSelection::userSelected);
    // The face's tooltip is the chosen row's, which may change with the rows it is read from.
    connect(&m_model, &QAbstractItemModel::dataChanged, this, &ListSelection::show);
    show();
}

ListSelection::ListSelection(ListControl &control, ListControlModel &model, QListView *list)
    : ListSelection(control, model, static_cast<QObject *>(list))
{
    m_list = list;
    m_list->setModel(&m_model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    const auto measureRows = [this] { m_list->setUniformItemSizes(m_model.rowCount() >= ListControlModel::measuredRows); };
    connect(&m_model, &QAbstractItemModel::modelReset, this, measureRows);
    measureRows();
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
        userSelected(selected.isEmpty() ? -1 : selected.first().row());
    });
    m_list->installEventFilter(this);
    show();
}

void ListSelection::setRowAction(std::function<void(int)> action)
{
    m_rowAction = std::move(action);
    if (m_list)
        connect(m_list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &row) { m_rowAction(row.row()); });
}

void ListSelection::show()
{
    const QScopedValueRollback showing(m_showing, true);
    const int selected = m_control.selectedIndex();
    if (m_combo) {
        m_combo->setCurrentIndex(selected);
        m_combo->setToolTip(m_combo->itemData(selected, Qt::ToolTipRole).toString());
        return;
    }
    QItemSelectionModel *selection = m_list->selectionModel();
    if (selected >= 0) {
        selection->setCurrentIndex(m_model.index(selected), QItemSelectionModel::ClearAndSelect);
    } else {
        // Removing the current row makes the view pick a neighbour; the control has none.
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        selection->clearSelection();
    }
}

void ListSelection::userSelected(int row)
{
    if (m_showing || m_model.isFollowing())
        return;
    m_control.setSelectedIndex(row);
    show();
}

bool ListSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress && userPressed(*static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

// True when the key was taken here.
bool ListSelection::userPressed(const QKeyEvent &key)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // A list that gets the focus makes its first row current without selecting it, and Down
    // would then step over that row to the second: with nothing selected, Down selects the first.
    if (key.key() == Qt::Key_Down && m_control.selectedIndex() < 0 && m_control.count() > 0) {
        m_control.setSelectedIndex(0);
        show();
        return true;
    }
    const bool acts = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
    if (!acts || !m_rowAction)
        return false;
    if (m_list->currentIndex().isValid())
        m_rowAction(m_list->currentIndex().row());
    return true;
}
