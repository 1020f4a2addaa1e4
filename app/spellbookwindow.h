#pragma once

#include <QSortFilterProxyModel>
#include <QWidget>

#include "book/bookentry.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class SpellBookModel;
class SpellCommands;

// File > Spell Book: the session's book of a folder as a table, sorted by any column, filtered
// by the box above it. Spells today's rules touch are shown bold, files that are no spell
// greyed with the reason as their tooltip. Double-click or Enter opens a spell in the main
// window as File > Open does. The folder is remembered in the settings.
class SpellBookWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellBookWindow)

public:
    static constexpr auto folderKey = "book/folder";

    SpellBookWindow(SpellBookModel &book, SpellCommands &commands, QWidget *parent = nullptr);

    // Shows the window, reading the folder last shown, or `fallback` the first time.
    void showBook(const QString &fallback);
    QTableView *table() const { return m_table; }
    QSortFilterProxyModel *proxy() const { return m_proxy; }

    // The selected spells, or every one shown, in the table's order.
    QList<BookEntry> chosenSpells() const;

private:
    void chooseFolder();
    void print();
    void exportBook(bool pdf);
    void openRow(const QModelIndex &index);
    void showState();

    SpellBookModel &m_book;
    SpellCommands &m_commands;
    QSortFilterProxyModel *m_proxy;
    QLabel *m_folder;
    QLabel *m_count;
    QLineEdit *m_filter;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    QTableView *m_table;
    QComboBox *m_paper;
};
