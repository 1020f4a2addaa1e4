#include "app/helpviewer.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/screenfit.h"

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help"));
    setModal(false);
    // A window of its own with the usual frame buttons, not a dialog that sits on the main one.
    setWindowFlags(Qt::Window);

    m_browser->setObjectName(QStringLiteral("txtHelp"));
    // Pages elsewhere go to the desktop; with no program there they stay unopened, as the
    // desktop's own links would.
    m_browser->setOpenExternalLinks(true);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Help") : title);
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *back = buttons->addButton(tr("&Back"), QDialogButtonBox::ActionRole);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setEnabled(false);
    // The page, not a button, has the keys: Enter follows the link under the keyboard focus.
    back->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    ScreenFit::resize(this, QSize(760, 560));
}

void HelpViewer::showPage(const QString &path)
{
    m_browser->setSource(QUrl::fromLocalFile(path));
    m_browser->clearHistory();
    m_browser->setFocus();
}
