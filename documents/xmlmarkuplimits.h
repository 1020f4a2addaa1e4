#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Limits on a document's markup that keep the XML reader's work in proportion to the size of
// the file. The reader compares each attribute of an element with every other one, and each
// attribute declared in a document type declaration with the others, so one element with tens
// of thousands of attributes, or a declaration with as many, takes it minutes or hours although
// the file holds only a few megabytes. A spell document has at most four attributes to an
// element and no document type declaration; the limits lie far above anything a real document
// needs.
namespace XmlMarkupLimits {

inline constexpr int mostAttributesPerElement = 64;
inline constexpr qsizetype longestDocumentTypeDeclaration = 64 * 1024;

struct Breach
{
    QString reason;
    qint64 line = 0;   // where the offending markup begins, counted from 1
    qint64 column = 0;
};

// Looks over the document's markup without parsing it: start tags, comments, processing
// instructions, CDATA sections and the document type declaration. Gives the first limit the
// document exceeds, if any.
std::optional<Breach> check(const QByteArray &document);

} // namespace XmlMarkupLimits
