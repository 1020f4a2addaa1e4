#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include "platform/platform.h"

// The one question asked before a command writes over a file the user may still want (Save
// onto another spell's document, Export onto an earlier card): true to replace it.
inline bool askToReplace(Platform &platform, const QString &path)
{
    return platform.ask(QCoreApplication::translate("ReplaceQuestion", "Replace File?"),
                        QCoreApplication::translate("ReplaceQuestion",
                                                    "%1 already exists. Do you want to replace it with this spell?")
                            .arg(QDir::toNativeSeparators(path)));
}
