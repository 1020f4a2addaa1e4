#include "fuzz/fuzztargets.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextFrame>

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

// How deeply the document's frames (tables among them) nest, walked without recursion.
int frameDepth(QTextFrame *root)
{
    int deepest = 0;
    QList<QPair<QTextFrame *, int>> open{{root, 0}};
    while (!open.isEmpty()) {
        const auto [frame, depth] = open.takeLast();
        deepest = std::max(deepest, depth);
        for (QTextFrame *child : frame->childFrames())
            open.append({child, depth + 1});
    }
    return deepest;
}

} // namespace

QString FuzzTargets::helpPage(const std::uint8_t *data, std::size_t size)
{
    ensureApplication();
    const QString html = HelpPage::text(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const HelpPage::Markup markup = HelpPage::measure(html);
    if (!HelpPage::refusal(html).isEmpty())
        return QString();
    PageDocument document;
    document.setTextWidth(600);
    document.setHtml(html);
    const QSizeF laidOut = document.documentLayout()->documentSize();
    if (!(laidOut.height() >= 0))
        return QStringLiteral("the page lays out to no size");
    // The scan may count more levels than the parser makes, never fewer.
    if (const int frames = frameDepth(document.rootFrame()); frames > markup.depth)
        return QStringLiteral("the document nests %1 frames where the scan counted %2 levels").arg(frames).arg(markup.depth);
    return QString();
}
