#pragma once

#include <QString>

// A tooltip that shows `text` as written: a text from the rules file is never taken for markup.
QString plainToolTip(const QString &text);
