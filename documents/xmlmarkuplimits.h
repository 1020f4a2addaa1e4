#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Limits on a document's markup that keep the XML reader's work in proportion to the size of
// the file, and one reference the reader would not refuse by itself. The reader compares each attribute of an element with every other one, and each
// attribute declared in a document type declaration with the others, so one element with tens
// of thousands of attributes, or a declaration with as many, takes it minutes or hours although
// the file holds only a few megabytes. A spell document has at most four attributes to an
// element and no document type declaration; the limits lie far above anything a real document
// needs. And an attribute value that refers to an entity nothing defines ("&foo;") is taken
// literally by the reader when the document names an external DTD, which is never loaded; as
// no document may define entities of its own, such a reference is refused wherever it stands.
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
// document exceeds, or the first undefined entity in an attribute value, if any.
std::optional<Breach> check(const QByteArray &document);

// The document as text good enough to find markup in: its characters as they are in UTF-16 and
// UTF-32, and its bytes one by one in the encodings where ASCII stays ASCII.
QString markupText(const QByteArray &document);

} // namespace XmlMarkupLimits
