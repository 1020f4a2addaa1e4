#include "app/helpdocument.h"

#include <QCoreApplication>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>


namespace HelpDocument {

qint64 tableWork(const QTextDocument &document)
{
    constexpr qint64 budget = largestTableWork;
    qint64 work = 0;
    // Walked without recursion: the frames may nest deeply.
    QList<QPair<QTextFrame *, qint64>> open{{document.rootFrame(), 0}};
    while (!open.isEmpty() && work <= budget) {
        const auto [frame, weight] = open.takeLast();
        qint64 inner = weight;
        if (const auto *table = qobject_cast<const QTextTable *>(frame)) {
            // A table is laid out once for every table around it, twice over, and with it all
            // it holds: its cells, and the blocks and characters in them and in deeper tables.
            inner = weight == 0 ? 1 : std::min(weight * 2, budget + 1);
            const qint64 cells = qint64(table->rows()) * table->columns();
            const qint64 blocks = document.findBlock(table->lastPosition()).blockNumber()
                - document.findBlock(table->firstPosition()).blockNumber() + 1;
            const qint64 characters = table->lastPosition() - table->firstPosition();
            const qint64 size = characters + workPerCellOrBlock * (cells + blocks);
            work = std::min(work + std::min(size, budget + 1) * inner, budget + 1);
        }
        for (QTextFrame *child : frame->childFrames())
            open.append({child, inner});
    }
    return work;
}

bool laysOutPromptly(const QTextDocument &document, QString *refusal)
{
    if (tableWork(document) <= largestTableWork)
        return true;
    if (refusal)
        *refusal = QCoreApplication::translate("HelpDocument",
                                               "its tables hold more, or nest deeper, than the viewer lays out promptly");
    return false;
}

} // namespace HelpDocument
