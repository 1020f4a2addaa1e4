#pragma once

#include <QString>

class QUrl;

// File URLs as launchers and drag and drop hand them over.
namespace FileUrl {

// The local path `url` names (a file: URL), or "" with `refusal` saying why when it names no
// file here: a URL for another host would otherwise open a path on this one that the host
// name begins, and a NUL would cut the name short, opening another file than the one named.
QString localPath(const QUrl &url, QString *refusal);

} // namespace FileUrl
