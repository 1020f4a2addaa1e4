#include "files/documentlimit.h"

#include <QCoreApplication>

namespace DocumentLimit {

std::optional<QString> refusal(qint64 size)
{
    if (size <= largestDocument)
        return std::nullopt;
    return QCoreApplication::translate("DocumentLimit",
                                       "it would be larger than %1 MB, the most this program reads back; "
                                       "shorten the description or another long text")
        .arg(largestDocument / (1024 * 1024));
}

} // namespace DocumentLimit
