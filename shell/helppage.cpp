#include "shell/helppage.h"

#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace HelpPage {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("HelpPage", text);
}

// Walks the markup as the viewer's parser reads it: every '<' opens a tag, whatever follows.
class NestingScan
{
public:
    explicit NestingScan(QStringView html) : m_html(html) {}

    Markup run()
    {
        while (m_pos < m_html.size() && m_markup.work <= largestLayoutWork && m_markup.depth <= deepestNesting) {
            if (m_html.at(m_pos++) == u'<')
                tag();
        }
        return m_markup;
    }

private:
    bool at(QChar c, qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_html.size() && m_html.at(m_pos + ahead) == c;
    }

    void eatSpace()
    {
        while (m_pos < m_html.size() && m_html.at(m_pos).isSpace())
            ++m_pos;
    }

    // A tag name, attribute name or value; quoted values may hold '>' and '<'.
    QString word()
    {
        const qsizetype size = m_html.size();
        if (at(u'"') || at(u'\'')) {
            const QChar quote = m_html.at(m_pos++);
            const qsizetype end = m_html.indexOf(quote, m_pos);
            const qsizetype stop = end < 0 ? size : end;
            const QString quoted = m_html.sliced(m_pos, stop - m_pos).toString();
            m_pos = end < 0 ? size : end + 1;
            return quoted;
        }
        const qsizetype start = m_pos;
        while (m_pos < size) {
            const QChar c = m_html.at(m_pos);
            if (c == u'>' || (c == u'/' && at(u'>', 1)) || c == u'<' || c == u'=' || c.isSpace())
                break;
            ++m_pos;
        }
        return m_html.sliced(start, m_pos - start).toString();
    }

    void skipPast(QChar c)
    {
        const qsizetype end = m_html.indexOf(c, m_pos);
        m_pos = end < 0 ? m_html.size() : end + 1;
    }

    void tag()
    {
        eatSpace();
        if (at(u'!')) {
            ++m_pos;
            if (at(u'-') && at(u'-', 1)) {
                const qsizetype end = m_html.indexOf(u"-->", m_pos + 2);
                m_pos = end < 0 ? m_html.size() : end + 3;
            } else {
                skipPast(u'>');
            }
            return;
        }
        if (at(u'/')) {
            ++m_pos;
            const QString name = word().toLower().trimmed();
            skipPast(u'>');
            close(name);
            return;
        }
        const QString name = word().toLower();
        if (m_pos < m_html.size() && m_html.at(m_pos).isSpace())
            attributes();
        bool closed = false;
        while (m_pos < m_html.size() && m_html.at(m_pos) != u'>') {
            if (m_html.at(m_pos) == u'/')
                closed = true;
            ++m_pos;
        }
        ++m_pos;
        open(name, closed);
    }

    void attributes()
    {
        while (m_pos < m_html.size()) {
            eatSpace();
            if (at(u'>') || at(u'/'))
                return;
            if (word().isEmpty())
                return;
            eatSpace();
            if (at(u'=')) {
                ++m_pos;
                eatSpace();
                word();
            }
        }
    }

    void open(const QString &name, bool closed)
    {
        static const QStringList childless = {QStringLiteral("br"), QStringLiteral("hr"), QStringLiteral("img"),
                                              QStringLiteral("meta")};
        if (name.isEmpty())
            return;
        const bool cell = name == u"td" || name == u"th";
        if (name == u"li" || name == u"p") {
            if (!m_stack.empty() && m_stack.back() == name)
                pop();
        } else if (cell) {
            // A cell without a row gets a table and a row made up around it, which the end
            // tags written in the page may not close.
            if (!closeBackTo({QStringLiteral("tr"), madeUpRow()})) {
                push(madeUpTable());
                push(madeUpRow());
            }
        } else if (name == u"tr") {
            if (!closeBackTo({QStringLiteral("table"), madeUpTable(), QStringLiteral("thead"), QStringLiteral("tbody"),
                              QStringLiteral("tfoot")}))
                push(madeUpTable());
        } else if (name == u"thead" || name == u"tbody" || name == u"tfoot" || name == u"caption") {
            closeBackTo({QStringLiteral("table"), madeUpTable()});
        }
        if (cell)
            addWork(5, tables());
        if (childless.contains(name) || closed)
            return;
        push(name);
    }

    // Takes the stack back to its innermost element named in `names`; false when none is open.
    bool closeBackTo(const QStringList &names)
    {
        bool found = false;
        for (const QString &name : names)
            found = found || m_open.value(name) > 0;
        if (!found)
            return false;
        while (!names.contains(m_stack.back()))
            pop();
        return true;
    }

    void close(const QString &name)
    {
        // The parser keeps whatever follows the end of the page inside it.
        if (name == u"html" || m_open.value(name) == 0)
            return;
        while (m_stack.back() != name)
            pop();
        pop();
    }

    // Names no tag can have, for the elements the parser makes up.
    static QString madeUpTable() { return QStringLiteral("<table>"); }
    static QString madeUpRow() { return QStringLiteral("<tr>"); }

    int tables() const { return m_open.value(QStringLiteral("table")) + m_open.value(madeUpTable()); }

    void push(const QString &name)
    {
        m_stack.push_back(name);
        ++m_open[name];
        m_markup.depth = std::max(m_markup.depth, int(m_stack.size()));
        if (name == u"table" || name == madeUpTable())
            addWork(5, tables());
        else if (name == u"ul" || name == u"ol")
            addWork(3, 0);
        else
            addWork(1, 0);
    }

    void pop()
    {
        --m_open[m_stack.back()];
        m_stack.pop_back();
    }

    // `units`, doubled for each table around the first.
    void addWork(qint64 units, int tables)
    {
        for (int level = 1; level < tables && units <= largestLayoutWork; ++level)
            units *= 2;
        m_markup.work = std::min(m_markup.work + units, largestLayoutWork + 1);
    }

    QStringView m_html;
    qsizetype m_pos = 0;
    Markup m_markup;
    std::vector<QString> m_stack;
    QHash<QString, int> m_open;
};

QString sizeText(qint64 bytes)
{
    return tr("%1 MB").arg(bytes / (1024 * 1024));
}

bool inside(const QString &folder, const QString &path)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalFolder.isEmpty() && path.startsWith(canonicalFolder + u'/');
}

} // namespace

Markup measure(QStringView html)
{
    return NestingScan(html).run();
}

QString refusal(QStringView html)
{
    const Markup markup = measure(html);
    if (markup.depth > deepestNesting)
        return tr("its elements nest deeper than %1 levels").arg(deepestNesting);
    if (markup.work > largestLayoutWork)
        return tr("it holds more tables, table cells and lists, or nests its tables deeper, than the viewer "
                  "lays out promptly");
    return QString();
}

QString text(const QByteArray &bytes)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

Read readFile(const QString &folder, const QString &path, qint64 maxBytes)
{
    Read read;
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty()) {
        read.error = tr("it is not there");
        return read;
    }
    if (!inside(folder, canonical)) {
        read.error = tr("it is not in the help page's folder %1").arg(QDir::toNativeSeparators(folder));
        return read;
    }
#ifdef Q_OS_UNIX
    // Not blocking, not following a link swapped in since: what was opened is judged.
    const int fd = ::open(QFile::encodeName(canonical).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        read.error = QString::fromLocal8Bit(std::strerror(errno));
        return read;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        read.error = tr("it is not a regular file");
        return read;
    }
    QFile file;
    if (opened.st_size > maxBytes || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        read.error = tr("it is larger than %1").arg(sizeText(maxBytes));
        return read;
    }
#else
    if (!info.isFile()) {
        read.error = tr("it is not a regular file");
        return read;
    }
    QFile file(canonical);
    if (info.size() > maxBytes || !file.open(QIODevice::ReadOnly)) {
        read.error = tr("it is larger than %1").arg(sizeText(maxBytes));
        return read;
    }
#endif
    // A file that grew since it was measured is refused all the same.
    read.bytes = file.read(maxBytes + 1);
    if (read.bytes.size() > maxBytes) {
        read.bytes.clear();
        read.error = tr("it is larger than %1").arg(sizeText(maxBytes));
    } else if (file.error() != QFileDevice::NoError) {
        read.bytes.clear();
        read.error = file.errorString();
    }
    return read;
}

Page pageAt(const QString &folder, const QString &path)
{
    Page page;
    const Read read = readFile(folder, path, largestPage);
    page.refusal = read.error;
    if (page.refusal.isEmpty()) {
        page.html = text(read.bytes);
        page.refusal = refusal(page.html);
    }
    if (!page.refusal.isEmpty())
        page.html.clear();
    return page;
}

QString note(const QString &path, const QString &refusal)
{
    return QStringLiteral("<html><body><p>%1</p></body></html>")
        .arg(tr("The help page %1 is not shown: %2.").arg(QDir::toNativeSeparators(path), refusal).toHtmlEscaped());
}

} // namespace HelpPage
