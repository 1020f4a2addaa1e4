#include "app/spellbookwindow.h"

#include <algorithm>

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTimer>

#include "app/bookpaper.h"
#include "book/spellbookmodel.h"
#include "documents/spellcommands.h"

namespace {

// The book's rows as the view shows them: touched spells bold, files that are no spell greyed.
class BookProxy final : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::FontRole && index.data(SpellBookModel::TouchedRole).toBool()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role == Qt::ForegroundRole && !index.data(SpellBookModel::ReasonRole).toString().isEmpty())
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return QSortFilterProxyModel::data(index, role);
    }
};

} // namespace

SpellBookWindow::SpellBookWindow(SpellBookModel &book, SpellCommands &commands, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_book(book),
      m_commands(commands),
      m_proxy(new BookProxy(this)),
      m_folder(new QLabel(this)),
      m_count(new QLabel(this)),
      m_filter(new QLineEdit(this)),
      m_progress(new QProgressBar(this)),
      m_cancel(new QPushButton(tr("Cancel"), this)),
      m_table(new QTableView(this)),
      m_paper(new QComboBox(this))
{
    setObjectName(QStringLiteral("frmSpellBook"));
    setWindowTitle(tr("Spell Book"));
    resize(900, 500);

    m_proxy->setSourceModel(&m_book);
    m_proxy->setSortRole(SpellBookModel::SortRole);
    m_proxy->setFilterRole(SpellBookModel::FilterRole);
    m_proxy->setFilterKeyColumn(SpellBookModel::Name);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(SpellBookModel::Name, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();

    m_filter->setPlaceholderText(tr("Filter by name, category, type or modifier"));
    m_filter->setClearButtonEnabled(true);
    connect(m_filter, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);

    auto *choose = new QPushButton(tr("&Folder..."), this);
    connect(choose, &QPushButton::clicked, this, &SpellBookWindow::chooseFolder);
    connect(m_cancel, &QPushButton::clicked, &m_book, &SpellBookModel::cancel);
    // activated() is a double-click, or Enter on the current row.
    connect(m_table, &QTableView::activated, this, &SpellBookWindow::openRow);

    m_paper->addItem(tr("A4"), int(QPageSize::A4));
    m_paper->addItem(tr("Letter"), int(QPageSize::Letter));
    m_paper->setCurrentIndex(BookPaper::localPaper().id() == QPageSize::Letter ? 1 : 0);
    m_paper->setToolTip(tr("Paper for printing and PDF"));
    auto *printButton = new QPushButton(tr("&Print..."), this);
    auto *pdfButton = new QPushButton(tr("Export P&DF..."), this);
    auto *htmlButton = new QPushButton(tr("Export &HTML..."), this);
    connect(printButton, &QPushButton::clicked, this, &SpellBookWindow::print);
    connect(pdfButton, &QPushButton::clicked, this, [this] { exportBook(true); });
    connect(htmlButton, &QPushButton::clicked, this, [this] { exportBook(false); });

    auto *top = new QHBoxLayout;
    top->addWidget(m_folder, 1);
    top->addWidget(choose);
    top->addWidget(m_paper);
    top->addWidget(printButton);
    top->addWidget(pdfButton);
    top->addWidget(htmlButton);
    auto *busy = new QHBoxLayout;
    busy->addWidget(m_progress, 1);
    busy->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_filter);
    layout->addWidget(m_count);
    layout->addLayout(busy);
    layout->addWidget(m_table, 1);

    // The reading runs off this thread; its progress is looked at while it runs.
    auto *poll = new QTimer(this);
    poll->setInterval(100);
    connect(poll, &QTimer::timeout, this, [this] { m_progress->setValue(m_book.progress()); });
    connect(&m_book, &SpellBookModel::busyChanged, this, [this, poll](bool running) {
        running ? poll->start() : poll->stop();
        showState();
    });
    connect(&m_book, &QAbstractItemModel::modelReset, this, &SpellBookWindow::showState);
    showState();
}

void SpellBookWindow::showBook(const QString &fallback)
{
    show();
    raise();
    activateWindow();
    if (!m_book.folder().isEmpty())
        return;
    const QString folder = QSettings().value(QLatin1String(folderKey), fallback).toString();
    if (folder.isEmpty())
        chooseFolder();
    else
        m_book.setFolder(folder);
    showState();
}

void SpellBookWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Spell Book Folder"), m_book.folder());
    if (folder.isEmpty())
        return;
    QSettings().setValue(QLatin1String(folderKey), folder);
    m_book.setFolder(folder);
    showState();
}

QList<BookEntry> SpellBookWindow::chosenSpells() const
{
    QList<int> proxyRows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        proxyRows.append(index.row());
    std::sort(proxyRows.begin(), proxyRows.end());
    if (proxyRows.isEmpty()) {
        for (int row = 0; row < m_proxy->rowCount(); ++row)
            proxyRows.append(row);
    }
    QList<BookEntry> spells;
    for (const int row : proxyRows) {
        const BookEntry &entry = m_book.entries().at(m_proxy->mapToSource(m_proxy->index(row, 0)).row());
        if (entry.isSpell())
            spells.append(entry);
    }
    return spells;
}

namespace {

// A modal progress over the cards drawn, with Cancel.
BookPaper::Progress progressIn(QProgressDialog &dialog)
{
    return [&dialog](int done, int total) {
        dialog.setMaximum(total);
        dialog.setValue(done);
        QCoreApplication::processEvents();
        return !dialog.wasCanceled();
    };
}

} // namespace

void SpellBookWindow::print()
{
    const QList<BookEntry> spells = chosenSpells();
    if (spells.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(m_paper->currentData().toInt())));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QProgressDialog progress(tr("Printing the spell book..."), tr("Cancel"), 0, int(spells.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    BookPaper::paint(spells, printer, progressIn(progress));
}

void SpellBookWindow::exportBook(bool pdf)
{
    const QList<BookEntry> spells = chosenSpells();
    if (spells.isEmpty())
        return;
    const QString path = QFileDialog::getSaveFileName(this, pdf ? tr("Export Spell Book as PDF") : tr("Export Spell Book as HTML"),
                                                      QString(), pdf ? tr("PDF documents (*.pdf)") : tr("Web pages (*.html *.htm)"));
    if (path.isEmpty())
        return;
    std::optional<QString> failed;
    if (pdf) {
        QProgressDialog progress(tr("Drawing the spell book..."), tr("Cancel"), 0, int(spells.size()), this);
        progress.setWindowModality(Qt::WindowModal);
        failed = BookPaper::writePdf(spells, path, QPageSize(QPageSize::PageSizeId(m_paper->currentData().toInt())),
                                     progressIn(progress));
    } else {
        failed = BookPaper::writeHtml(spells, path);
    }
    if (failed)
        QMessageBox::warning(this, tr("Spell Book Not Exported"),
                             tr("The spell book could not be written to %1: %2.").arg(QDir::toNativeSeparators(path), *failed));
}

void SpellBookWindow::openRow(const QModelIndex &index)
{
    const QModelIndex source = m_proxy->mapToSource(index);
    if (!source.isValid() || !m_book.entries().at(source.row()).isSpell())
        return;
    m_commands.openFile(m_book.entries().at(source.row()).file);
}

void SpellBookWindow::showState()
{
    m_folder->setText(QDir::toNativeSeparators(m_book.folder()));
    const bool busy = m_book.isBusy();
    m_progress->setVisible(busy);
    m_cancel->setVisible(busy);
    m_progress->setRange(0, std::max(1, m_book.progressTotal()));
    m_progress->setValue(m_book.progress());
    m_count->setText(busy ? tr("Reading %1 files...").arg(m_book.progressTotal()) : m_book.countLine());
}
