#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

class Cantrix;
struct AuthorProfile;

// The spell document as bytes. It is built from fixed line templates rather than through an
// XML writer, because its layout (line breaks, indentation, which quote surrounds which
// attribute) is part of the format other tools and stylesheets rely on. UTF-8 without a
// byte-order mark; every line, the last one too, ends with CR LF.
namespace SpellDocumentWriter {

// Dates in the document: full month name as the locale spells it, two-digit day, year.
inline constexpr auto datePattern = "MMMM dd, yyyy";

QString formatDate(const QDate &date, const QLocale &locale);

// A value as it stands between double quotes: &, < and " as entities; CR, LF and tab as
// character references so they survive a reader's attribute normalisation; characters XML 1.0
// cannot carry at all (most control characters, lone surrogates, U+FFFE, U+FFFF) left out.
// Everything else, the apostrophe and > included, is written unchanged.
QString attributeValue(QStringView value);

struct Dates
{
    QString creation;
    QString lastModified;
};

// The whole document for the spell in `window`.
QByteArray compose(const Cantrix &window, const AuthorProfile &author, const Dates &dates);

} // namespace SpellDocumentWriter
