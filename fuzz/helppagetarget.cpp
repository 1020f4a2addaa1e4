#include "fuzz/fuzztargets.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include "app/helpdocument.h"
#include "shell/helppage.h"

namespace {

// Laying out text needs fonts: one application for the whole run, on the offscreen platform,
// never destroyed (a fuzzer ends by exit()). The replay test brings its own.
void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz-help-page";
    static char *argv[] = {name, nullptr};
    static const QGuiApplication *application = new QGuiApplication(argc, argv);
    Q_UNUSED(application)
}

// The page as the viewer's document, which reads nothing the page names: a document left to
// itself would open any file an image names.
class PageDocument final : public QTextDocument
{
protected:
    QVariant loadResource(int, const QUrl &) override { return QByteArray(); }
};

} // namespace

QString FuzzTargets::helpPage(const std::uint8_t *data, std::size_t size)
{
    ensureApplication();
    const QString html = HelpPage::text(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!HelpPage::refusal(html).isEmpty())
        return QString();
    // As the viewer does: parsed, judged, and only then laid out.
    PageDocument document;
    document.setTextWidth(600);
    document.setHtml(html);
    QString why;
    if (!HelpDocument::laysOutPromptly(document, &why))
        return why.isEmpty() ? QStringLiteral("a refused page gives no reason") : QString();
    const QSizeF laidOut = document.documentLayout()->documentSize();
    if (!(laidOut.height() >= 0))
        return QStringLiteral("the page lays out to no size");
    return QString();
}
