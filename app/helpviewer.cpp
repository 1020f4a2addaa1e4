#include "app/helpviewer.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/helpdocument.h"
#include "app/screenfit.h"
#include "shell/helppage.h"

// A text browser that reads what a page names through HelpPage, never by itself.
class HelpBrowser final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    void setFolder(const QString &folder) { m_folder = folder; }

    QVariant loadResource(int type, const QUrl &name) override
    {
        // Pictures written into the page itself are decoded by the document.
        if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0)
            return QVariant();
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        if (type == QTextDocument::HtmlResource)
            return page(path.isEmpty() ? url.toString() : path);
        if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
            return QString();
        // Anything but null: for a null answer the document would read the file itself.
        if (path.isEmpty())
            return QByteArray();
        return HelpPage::readFile(m_folder, path, HelpPage::largestResource).bytes;
    }

private:
    QString page(const QString &path)
    {
        HelpPage::Page page = HelpPage::pageAt(m_folder, path);
        if (page.refusal.isEmpty()) {
            // Parsed once more to be judged before the browser lays it out; what it names is
            // read through this browser all the same.
            QTextDocument parsed(this);
            parsed.setHtml(page.html);
            if (HelpDocument::laysOutPromptly(parsed, &page.refusal))
                return page.html;
        }
        return HelpPage::note(path, page.refusal);
    }

    QString m_folder;
};

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent), m_browser(new HelpBrowser(this))
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

QTextBrowser *HelpViewer::browser() const
{
    return m_browser;
}

void HelpViewer::showPage(const QString &path)
{
    m_browser->setFolder(QFileInfo(path).absolutePath());
    m_browser->setSource(QUrl::fromLocalFile(path));
    m_browser->clearHistory();
    m_browser->setFocus();
}
