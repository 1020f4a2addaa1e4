#include "app/frmoptions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "app/controlmirrors.h"
#include "app/formstyle.h"
#include "controls/arbutton/arbutton.h"

namespace {

QLineEdit *addField(QGridLayout *grid, const QString &caption, const char *name, TextControl &model, QObject *owner)
{
    const int row = grid->rowCount();
    auto *label = new QLabel(caption);
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    new LineEditMirror(model, edit, owner);
    return edit;
}

ARButton *addButton(QHBoxLayout *row, const QString &caption, const char *name)
{
    auto *button = new ARButton;
    button->setObjectName(QLatin1String(name));
    button->setCaption(caption);
    button->setFont(FormStyle::tahoma());
    button->setFocusPolicy(Qt::StrongFocus);
    row->addWidget(button);
    return button;
}

} // namespace

FrmOptions::FrmOptions(Platform &platform, QWidget *parent)
    : QDialog(parent), m_model(platform)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    setModal(false);
    // The dialog is unloaded whenever it closes: every opening starts from the file again.
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(FormStyle::tahoma());

    auto *grid = new QGridLayout;
    QLineEdit *name = addField(grid, tr("Author's name"), "txtName", m_model.txtName, this);
    addField(grid, tr("E-mail"), "txtEmail", m_model.txtEmail, this);
    addField(grid, tr("Home page"), "txtURL", m_model.txtURL, this);
    name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = addButton(buttons, tr("OK"), "cmdOk");
    ARButton *cancel = addButton(buttons, tr("Cancel"), "cmdCancel");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &ARButton::Click, this, [this] { m_model.cmdOk_Click(); });
    connect(cancel, &ARButton::Click, &m_model, &AuthorOptionsForm::cmdCancel_Click);
    // Deferred, so the dialog is never deleted inside the handler that asked for it.
    connect(&m_model, &AuthorOptionsForm::unloadRequested, this, &QWidget::close, Qt::QueuedConnection);
}

// OK is the default button: Enter in a field presses it. A button with the focus takes Enter
// for itself before it comes here, so Enter on Cancel still cancels.
void FrmOptions::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_ok->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
