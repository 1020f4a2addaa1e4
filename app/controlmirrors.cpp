#include "app/controlmirrors.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

#include "windowmodel/listcontrol.h"
#include "windowmodel/screenupdates.h"
#include "windowmodel/textcontrol.h"

ControlMirror::ControlMirror(QObject *parent, const ScreenUpdates *updates)
    : QObject(parent), m_updates(updates)
{
    if (m_updates) {
        connect(m_updates, &ScreenUpdates::resumed, this, [this] {
            if (!m_outdated)
                return;
            m_outdated = false;
            showModel();
        });
    }
}

bool ControlMirror::heldBack()
{
    if (!m_updates || !m_updates->areHeld())
        return false;
    m_outdated = true;
    return true;
}

void ControlMirror::followRows(const ListControl &model, bool &showing, RowEdits edits)
{
    connect(&model, &ListControl::rowInserted, this, [this, &showing, insert = std::move(edits.insert)](int row) {
        if (heldBack())
            return;
        const QScopedValueRollback flag(showing, true);
        insert(row);
    });
    connect(&model, &ListControl::rowRemoved, this, [this, &showing, remove = std::move(edits.remove)](int row) {
        if (heldBack())
            return;
        const QScopedValueRollback flag(showing, true);
        remove(row);
    });
    connect(&model, &ListControl::cleared, this, [this, &showing, clear = std::move(edits.clear)] {
        if (heldBack())
            return;
        const QScopedValueRollback flag(showing, true);
        clear();
    });
    connect(&model, &ListControl::replaced, this, [this] {
        if (!heldBack())
            showModel();
    });
    connect(&model, &ListControl::changed, this, [this, show = std::move(edits.showSelection)] {
        if (!heldBack())
            show();
    });
}

QString plainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

ComboMirror::ComboMirror(ListControl &model, QComboBox *widget, QObject *parent, const ScreenUpdates *updates)
    : ControlMirror(parent, updates), m_model(model), m_widget(widget)
{
    followRows(m_model, m_showing,
               {[this](int row) { m_widget->insertItem(row, m_model.row(row)); },
                [this](int row) { m_widget->removeItem(row); }, [this] { m_widget->clear(); },
                [this] { showSelection(); }});
    // activated() comes from the user alone (mouse, keys, wheel), never from code.
    connect(m_widget, &QComboBox::activated, this, &ComboMirror::userChose);
    showModel();
}

void ComboMirror::showModel()
{
    const QScopedValueRollback showing(m_showing, true);
    m_widget->clear();
    m_widget->addItems(m_model.rows());
    showSelection();
}

void ComboMirror::showSelection()
{
    if (m_widget->count() != m_model.count()) {
        showModel();
        return;
    }
    const QScopedValueRollback showing(m_showing, true);
    // A combo that gets rows selects its first one by itself; the model decides instead,
    // and with nothing selected the combo shows no row.
    m_widget->setCurrentIndex(m_model.selectedIndex());
}

void ComboMirror::setRowToolTip(RowToolTip toolTip)
{
    m_rowToolTip = std::move(toolTip);
    m_widget->installEventFilter(this);
    m_widget->view()->viewport()->installEventFilter(this);
}

bool ComboMirror::eventFilter(QObject *watched, QEvent *event)
{
    // The tip is put in place just before Qt shows it; Qt then shows it as any other.
    if (event->type() == QEvent::ToolTip && m_rowToolTip) {
        if (watched == m_widget) {
            const int row = m_widget->currentIndex();
            m_widget->setToolTip(row >= 0 ? plainToolTip(m_rowToolTip(row)) : QString());
        } else if (watched == m_widget->view()->viewport()) {
            const auto *help = static_cast<QHelpEvent *>(event);
            const int row = m_widget->view()->indexAt(help->pos()).row();
            if (row >= 0)
                m_widget->setItemData(row, plainToolTip(m_rowToolTip(row)), Qt::ToolTipRole);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ComboMirror::userChose(int row)
{
    if (m_showing)
        return;
    m_model.setSelectedIndex(row);
    showSelection();
}

ListWidgetMirror::ListWidgetMirror(ListControl &model, QListWidget *widget, QObject *parent,
                                   const ScreenUpdates *updates)
    : ControlMirror(parent, updates), m_model(model), m_widget(widget)
{
    m_widget->setSelectionMode(QAbstractItemView::SingleSelection);
    followRows(m_model, m_showing,
               {[this](int row) { m_widget->insertItem(row, m_model.row(row)); },
                [this](int row) { delete m_widget->takeItem(row); }, [this] { m_widget->clear(); },
                [this] { showSelection(); }});
    connect(m_widget, &QListWidget::itemSelectionChanged, this, &ListWidgetMirror::userSelectionChanged);
    m_widget->installEventFilter(this);
    showModel();
}

void ListWidgetMirror::setRowAction(std::function<void(int)> action)
{
    m_rowAction = std::move(action);
    connect(m_widget, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_rowAction(m_widget->row(item));
    });
}

void ListWidgetMirror::setRowToolTip(RowToolTip toolTip)
{
    m_rowToolTip = std::move(toolTip);
    m_viewport = m_widget->viewport();
    m_viewport->installEventFilter(this);
}

bool ListWidgetMirror::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && watched == m_viewport && m_rowToolTip) {
        // The tip is put in place just before Qt shows it; Qt then shows it as any other.
        QListWidgetItem *item = m_widget->itemAt(static_cast<QHelpEvent *>(event)->pos());
        if (item)
            item->setToolTip(plainToolTip(m_rowToolTip(m_widget->row(item))));
    }
    if (watched != m_widget || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // A list that gets the focus makes its first row current without selecting it, and Down
    // would then step over that row to the second: with nothing selected, Down selects the first.
    if (key->key() == Qt::Key_Down && m_model.selectedIndex() < 0 && m_model.count() > 0) {
        m_model.setSelectedIndex(0);
        showSelection();
        return true;
    }
    const bool acts = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    if (acts && m_rowAction) {
        if (m_widget->currentRow() >= 0)
            m_rowAction(m_widget->currentRow());
        return true;
    }
    return false;
}

void ListWidgetMirror::showModel()
{
    const QScopedValueRollback showing(m_showing, true);
    m_widget->clear();
    m_widget->setUniformItemSizes(m_model.count() >= measuredRows);
    m_widget->addItems(m_model.rows());
    showSelection();
}

void ListWidgetMirror::showSelection()
{
    if (m_widget->count() != m_model.count()) {
        showModel();
        return;
    }
    const QScopedValueRollback showing(m_showing, true);
    const int selected = m_model.selectedIndex();
    if (selected >= 0) {
        m_widget->setCurrentRow(selected);
    } else {
        // Removing the current row makes the view pick a neighbour; the model has none.
        m_widget->setCurrentRow(-1);
        m_widget->clearSelection();
    }
}

void ListWidgetMirror::userSelectionChanged()
{
    if (m_showing)
        return;
    const QList<QListWidgetItem *> selected = m_widget->selectedItems();
    m_model.setSelectedIndex(selected.isEmpty() ? -1 : m_widget->row(selected.first()));
    showSelection();
}

LineEditMirror::LineEditMirror(TextControl &model, QLineEdit *widget, QObject *parent, const ScreenUpdates *updates)
    : ControlMirror(parent, updates), m_model(model), m_widget(widget)
{
    connect(&m_model, &TextControl::changed, this, [this] {
        if (!heldBack())
            showModel();
    });
    // textEdited() reports the user's typing only, never a setText() from code.
    if (!m_widget->isReadOnly())
        connect(m_widget, &QLineEdit::textEdited, &m_model, &TextControl::setText);
    showModel();
}

void LineEditMirror::showModel()
{
    const QString text = m_model.text();
    if (m_widget->text() == text)
        return;
    const int cursor = m_widget->cursorPosition();
    m_widget->setText(text);
    m_widget->setCursorPosition(std::min(cursor, int(text.size())));
}

PlainTextMirror::PlainTextMirror(TextControl &model, QPlainTextEdit *widget, QObject *parent,
                                 const ScreenUpdates *updates)
    : ControlMirror(parent, updates), m_model(model), m_widget(widget)
{
    connect(&m_model, &TextControl::changed, this, [this] {
        if (!heldBack())
            showModel();
    });
    connect(m_widget, &QPlainTextEdit::textChanged, this, &PlainTextMirror::userEdited);
    showModel();
}

void PlainTextMirror::showModel()
{
    const QString text = m_model.text();
    if (m_widget->toPlainText() == text)
        return;
    const QScopedValueRollback showing(m_showing, true);
    const int position = m_widget->textCursor().position();
    m_widget->setPlainText(text);
    QTextCursor cursor = m_widget->textCursor();
    cursor.setPosition(std::min(position, int(text.size())));
    m_widget->setTextCursor(cursor);
}

void PlainTextMirror::userEdited()
{
    if (m_showing)
        return;
    m_model.setText(m_widget->toPlainText());
}
