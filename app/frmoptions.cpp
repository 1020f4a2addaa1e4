#include "app/frmoptions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

#include "app/controlmirrors.h"
#include "app/formstyle.h"
#include "controls/arbutton/arbutton.h"
#include "translations/programlanguage.h"

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

FrmOptions::FrmOptions(Platform &platform, QSettings &settings, QWidget *parent)
    : QDialog(parent), m_model(platform), m_settings(settings)
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
    addLanguage(grid);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = addButton(buttons, tr("OK"), "cmdOk");
    ARButton *cancel = addButton(buttons, tr("Cancel"), "cmdCancel");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &ARButton::Click, this, [this] {
        if (m_model.cmdOk_Click().stored)
            ProgramLanguage::choose(m_settings, m_language->currentData().toString());
    });
    connect(cancel, &ARButton::Click, &m_model, &AuthorOptionsForm::cmdCancel_Click);
    // Deferred, so the dialog is never deleted inside the handler that asked for it.
    connect(&m_model, &AuthorOptionsForm::unloadRequested, this, &QWidget::close, Qt::QueuedConnection);
}

void FrmOptions::addLanguage(QGridLayout *grid)
{
    // Each language is named in its own words, so that whoever cannot read the current one
    // still finds theirs.
    m_language = new QComboBox;
    m_language->setObjectName(QStringLiteral("cboLanguage"));
    m_language->addItem(tr("As the desktop"), QLatin1String(ProgramLanguage::followDesktop));
    m_language->addItem(QStringLiteral("English"), QLatin1String(ProgramLanguage::english));
    m_language->addItem(QStringLiteral("Deutsch"), QLatin1String(ProgramLanguage::german));
    m_language->setCurrentIndex(m_language->findData(ProgramLanguage::chosen(m_settings)));
    auto *label = new QLabel(tr("&Language"));
    label->setBuddy(m_language);
    // Every window's texts are made once; a language takes over when they are made anew.
    auto *note = new QLabel(tr("A new language shows when Cantrix next starts."));
    note->setObjectName(QStringLiteral("lblLanguageNote"));
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(m_language, row, 1);
    grid->addWidget(note, row + 1, 1);
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
