#pragma once

#include <QString>
#include <QStringView>

// Texts written into the JSON the command-line tools print.
namespace JsonText {

// A JSON string: quoted, with quotes, backslashes and control characters escaped. Written
// here rather than through QJsonDocument, which builds a document for every value and made
// printing a file of a million findings several times slower.
QString quoted(QStringView text);

} // namespace JsonText
