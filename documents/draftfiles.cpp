#include "documents/draftfiles.h"

#include <algorithm>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include "documents/spelldocumentwriter.h"
#include "documents/xmlelementreader.h"
#include "files/wholefile.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

namespace {

constexpr auto ownerElement = "draft";
constexpr auto ownerAttribute = "file";
// Far more than a draft ever is: a larger file is no draft of ours.
constexpr qint64 largestDraft = 16 * 1024 * 1024;

QString lockPath(const QString &draftPath)
{
    return draftPath + u".lock"_s;
}

QString nameFor(int number)
{
    return number == 1 ? u"last-spell.xml"_s : u"last-spell-%1.xml"_s.arg(number);
}

// The drafts in `folder`, held or not; the file set aside as damaged is none.
QFileInfoList draftsIn(const QString &folder)
{
    static const QRegularExpression draftName(u"^last-spell(-[0-9]+)?\\.xml$"_s);
    QFileInfoList drafts = QDir(folder).entryInfoList({u"last-spell*.xml"_s}, QDir::Files);
    drafts.removeIf([](const QFileInfo &file) { return !draftName.match(file.fileName()).hasMatch(); });
    return drafts;
}

} // namespace

DraftFiles::DraftFiles(const Platform &platform) : m_platform(platform) {}

DraftFiles::~DraftFiles() = default;

QString DraftFiles::folder() const
{
    return m_platform.userDataDirectory();
}

bool DraftFiles::isHeld(const QString &path)
{
    QLockFile probe(lockPath(path));
    // A lock counts as long as the program that took it runs, however long that is.
    probe.setStaleLockTime(0);
    if (!probe.tryLock(0))
        return probe.error() == QLockFile::LockFailedError;
    probe.unlock();
    return false;
}

QString DraftFiles::offered() const
{
    if (m_offered)
        return *m_offered;
    m_offered = QString();
    if (folder().isEmpty())
        return *m_offered;
    QFileInfoList left = draftsIn(folder());
    left.removeIf([this](const QFileInfo &file) { return file.filePath() == m_own || isHeld(file.filePath()); });
    const auto newest = std::max_element(left.cbegin(), left.cend(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() < b.lastModified();
    });
    if (newest != left.cend())
        m_offered = newest->filePath();
    return *m_offered;
}

QString DraftFiles::own()
{
    if (!m_own.isEmpty())
        return m_own;
    const QString here = folder();
    if (here.isEmpty() || !QDir().mkpath(here))
        return QString();
    // The one offered is chosen first, so that this program never takes its name while it waits
    // to be restored.
    const QString waiting = offered();
    for (int number = 1; number < 10000; ++number) {
        const QString path = QDir(here).filePath(nameFor(number));
        if (path == waiting || QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        auto lock = std::make_unique<QLockFile>(lockPath(path));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        m_lock = std::move(lock);
        m_own = path;
        break;
    }
    return m_own;
}

void DraftFiles::removeStale() const
{
    if (folder().isEmpty())
        return;
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-keptDays);
    for (const QFileInfo &draft : draftsIn(folder())) {
        if (draft.lastModified() < oldest && draft.filePath() != m_own && !isHeld(draft.filePath()))
            QFile::remove(draft.filePath());
    }
}

std::optional<QString> DraftFiles::write(const QString &path, const std::optional<QByteArray> &document)
{
    if (!document) {
        QFile::remove(path);
        return std::nullopt;
    }
    return WholeFile::replace(path, *document);
}

QByteArray DraftFiles::withOwner(const QByteArray &document, const QString &owner)
{
    if (owner.isEmpty())
        return document;
    // Right inside the outermost element, where a reader of spells passes it by.
    const QByteArray root = "<common>\r\n";
    const qsizetype at = document.indexOf(root);
    if (at < 0)
        return document;
    const QString line = u"    <%1 %2=\"%3\"/>\r\n"_s.arg(QLatin1StringView(ownerElement), QLatin1StringView(ownerAttribute),
                                                         SpellDocumentWriter::attributeValue(owner));
    return QByteArray(document).insert(at + root.size(), line.toUtf8());
}

QString DraftFiles::ownerOf(const QString &path)
{
    const WholeFile::Contents read = WholeFile::read(path, largestDraft);
    if (!read.ok())
        return QString();
    const XmlElements document = XmlElementReader::read(read.bytes);
    for (const XmlElement &element : document.elements) {
        if (element.name != QLatin1StringView(ownerElement))
            continue;
        for (int i = 0; i < element.attributes.length(); ++i) {
            if (element.attributes.getQName(i) == QLatin1StringView(ownerAttribute))
                return element.attributes.getValue(i);
        }
    }
    return QString();
}
