#pragma once

#include <functional>

#include <QAbstractListModel>

#include "app/screencatchup.h"

class ListControl;
class ScreenUpdates;

// What a row's tooltip says, asked for when the tooltip is about to show, so that a list of
// thousands of rows costs nothing until a row is hovered, and a tip never tells of a row that
// has changed since.
using RowToolTip = std::function<QString(int row)>;

// A list control as Qt's views take it, for drop-down lists and list boxes alike: its rows, and
// their tooltips. It follows the control one row change at a time, so a long list costs no more
// per change than a short one, and reads the rows from the control itself rather than keeping a
// copy. The selection stays with the control; ListSelection shows it in a view.
class ListControlModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListControlModel)

public:
    ListControlModel(const ListControl &control, const ScreenUpdates *updates, QObject *parent);

    // From this many rows on, a view takes every row to be as tall as the first: measuring each
    // of a hundred thousand rows would hold the window up for seconds, and so long a list is not
    // read across anyway.
    static constexpr int measuredRows = 5000;

    // The rows' tooltips. `source`, where given, is the list they are read from: a change of it
    // tells the views that the tips changed.
    void setRowToolTip(RowToolTip toolTip, const ListControl *source = nullptr);

    // True while a change of the control is being passed on to the views: a view reports
    // changes of its own selection then, which are no user's doing.
    bool isFollowing() const { return m_following; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    // The control changed, or was shown anew after a hold: the views show its selection again.
    void selectionToShow();

private:
    void showAnew();
    void followInsert(int row);
    void followRemove(int row);

    const ListControl &m_control;
    // The rows the views know of; the control may be ahead of them during a hold.
    int m_shownRows = 0;
    RowToolTip m_rowToolTip;
    bool m_following = false;
    ScreenCatchUp m_catchUp;
};
