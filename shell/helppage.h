#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// What the program's own help viewer may show. The help page is a file a user may edit or be
// sent, so everything it names is read only from regular files inside its own folder, never
// from a pipe or a device (which would block the program for good), and a page is laid out
// only when its markup stays within what the viewer lays out promptly: nested tables double
// the layout work with each level, and deep nesting makes the markup parser crawl.
namespace HelpPage {

// Larger pages take seconds and gigabytes to lay out.
inline constexpr qint64 largestPage = 4 * 1024 * 1024;
// An image or style sheet the page shows.
inline constexpr qint64 largestResource = 16 * 1024 * 1024;
// Past a few thousand levels the parser takes seconds, and nested tables crash the layout;
// a real page nests a few dozen at most.
inline constexpr int deepestNesting = 200;
// Layout work in units of about one element: a list costs three, a table or table cell five,
// doubled for every table around it. The budget lays out in about a second.
inline constexpr qint64 largestLayoutWork = 100'000;

struct Markup
{
    int depth = 0;       // the deepest nesting of elements
    qint64 work = 0;     // the layout work, stopped counting past the budget
};

// Measures `html` as the viewer's parser nests it: end tags close what they match, a list
// item or paragraph right after another closes it, and table rows and cells close back to
// their table. Where the parser's repairs are not followed, more is counted. How tables end
// up nested only the parsed document tells for certain (see HelpDocument in the program).
Markup measure(QStringView html);

// Why the viewer refuses `html`, or "" when it lays it out.
QString refusal(QStringView html);

// The text of a page's bytes, decoded as the viewer decodes a page.
QString text(const QByteArray &bytes);

struct Read
{
    QByteArray bytes;
    QString error; // why the file is not read; empty when it was
};

// Reads the file at `path` for a page whose folder is `folder`: only a regular file inside
// that folder (after symbolic links are followed), no larger than `maxBytes`, opened without
// blocking and judged as opened.
Read readFile(const QString &folder, const QString &path, qint64 maxBytes);

struct Page
{
    QString html;
    QString refusal; // why the page is not shown; empty when it may be
};

// The page at `path` in `folder`, read and checked.
Page pageAt(const QString &folder, const QString &path);

// The short page shown instead of the page at `path`, saying why.
QString note(const QString &path, const QString &refusal);

} // namespace HelpPage
