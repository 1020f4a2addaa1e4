#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// A list as the design window's handlers see it: ordered rows, a selected index, and a
// click event that fires synchronously whenever the selection moves to a different row,
// whether the user or code moved it. The rules of this model are deliberately our own
// (no widget class decides them): reading past the end gives "", nothing is ever sorted,
// and filling or emptying a list never raises the click event.
class ListControl final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListControl)

public:
    explicit ListControl(const QString &name, QObject *parent = nullptr);

    QString name() const { return m_name; }

    int count() const { return int(m_rows.size()); }
    const QStringList &rows() const { return m_rows; }
    // Row i, or "" for an index outside the list.
    QString row(int i) const;

    void append(const QString &text);
    // Inserts at i (0..count); an index past the end appends. The selection moves with its row.
    void insert(int i, const QString &text);
    // Removes row i; an index outside the list is ignored. Removing the selected row leaves no
    // selection; a selection below the removed row moves up with its row.
    void remove(int i);
    // Replaces row i as every summary row is replaced: the new text is inserted at i and the row
    // it pushed down is removed, so a list shorter than i+1 rows grows by one.
    void replace(int i, const QString &text);
    // Empties the list and leaves no selection.
    void clear();
    // Puts back rows and a selection kept earlier, all at once (undo and redo). A view follows
    // through replaced() and changed(); the click event is not raised, since no one chose a row.
    void restore(const QStringList &rows, int selected);
    // Takes rows equal to its own that are kept elsewhere (by the undo history), so that both
    // share one copy. Nothing a view shows changes, so no signal is raised.
    void shareRows(const QStringList &equalRows);

    int selectedIndex() const { return m_selected; }
    // The text of the selected row, "" when nothing is selected.
    QString text() const { return row(m_selected); }
    // Selects row i (-1 for none). Moving the selection to a different row raises clicked()
    // before this returns; an index outside the list is ignored.
    void setSelectedIndex(int i);

signals:
    // The control's click event: the selection moved to a different row.
    void clicked();
    // Rows or selection changed in any way; lets a view mirror the list.
    void changed();
    // The same row changes told one by one, each before its changed(), so that a view can
    // follow a list of thousands of rows without comparing them all on every change.
    void rowInserted(int i);
    void rowRemoved(int i);
    void cleared();
    // Every row and the selection were put back at once: a view shows the list anew.
    void replaced();

private:
    QString m_name;
    QStringList m_rows;
    int m_selected = -1;
};
