#include "app/helpdocument.h"

#include <QCoreApplication>
#include <QList>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "shell/helppage.h"

namespace HelpDocument {

qint64 tableWork(const QTextDocument &document)
{
    constexpr qint64 budget = HelpPage::largestLayoutWork;
    qint64 work = 0;
    // Walked without recursion: the frames may nest deeply.
    QList<QPair<QTextFrame *, qint64>> open{{document.rootFrame(), 0}};
    while (!open.isEmpty() && work <= budget) {
        const auto [frame, weight] = open.takeLast();
        qint64 inner = weight;
        if (const auto *table = qobject_cast<const QTextTable *>(frame)) {
            // A table is laid out once for every table around it, twice over.
            inner = weight == 0 ? 1 : std::min(weight * 2, budget + 1);
            const qint64 cells = qint64(table->rows()) * table->columns() + 1;
            work = std::min(work + std::min(5 * cells, budget + 1) * inner, budget + 1);
        }
        for (QTextFrame *child : frame->childFrames())
            open.append({child, inner});
    }
    return work;
}

bool laysOutPromptly(const QTextDocument &document, QString *refusal)
{
    if (tableWork(document) <= HelpPage::largestLayoutWork)
        return true;
    if (refusal)
        *refusal = QCoreApplication::translate("HelpDocument",
                                               "its tables hold more cells, or nest deeper, than the viewer lays out promptly");
    return false;
}

} // namespace HelpDocument
