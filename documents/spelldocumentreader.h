#pragma once

#include <optional>
#include <utility>

#include <QCoreApplication>

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "documents/xmlelementreader.h"

class Cantrix;

// The design window's handling of one spell document's elements while it is read into the
// window. Each element takes effect when its start is handed over, in document order, exactly
// as if the user had made the same choices: a category element selects the category (which
// drops the modifiers chosen so far), so modifiers standing before it are lost. The document's
// outline, text, comments and processing instructions carry nothing the window shows.
class SpellDocumentReader final
{
    Q_DISABLE_COPY_MOVE(SpellDocumentReader)
    Q_DECLARE_TR_FUNCTIONS(SpellDocumentReader)

public:
    // The outermost element of every spell document.
    static constexpr auto rootElement = "common";

    // Open takes the document as saved. Rebuild chooses it again under the rules as they are
    // now: the stored drain code and token strings are passed over, and each modifier row is
    // chosen again by its text, as a user picking the same rows by hand would.
    enum class Mode { Open, Rebuild };

    explicit SpellDocumentReader(Cantrix &window, Mode mode = Mode::Open);

    // Rebuild only: the drain code the document was saved with ("" when it holds none), and
    // each stored category, type or modifier row the rules as they are now have not.
    QString storedDrain() const { return m_storedDrain; }
    QStringList notFound() const;

    // Whether an element of this name does anything to the window (names match in any case).
    static bool takesElement(const QString &sName);

    // What the user must be told once the document at `shownPath` has been read: each stored
    // category or type the rules data has no choice for, and the one shown instead. "" when
    // every stored choice was found.
    QString choicesNotFound(const QString &shownPath) const;

    void parser_startElement(const QString &sName, const XmlAttributeList &pAttributeList);

private:
    enum class Choice { Category, Type };
    void applyChoice(Choice choice, const QString &value, const QString &modifier);
    void applyForce(const QString &modifier);
    // Chooses a stored modifier row again: its modifier double-clicked, or the option whose row
    // it is. False when no modifier or option of the category gives that row.
    bool chooseAgain(const QString &row);
    // The choices of a list in lower case, made once per document: no element changes them.
    const QStringList &loweredChoices(Choice choice);

    Cantrix &m_window;
    Mode m_mode;
    QString m_storedDrain;
    QStringList m_rowsNotFound;
    std::optional<QStringList> m_loweredCategories;
    std::optional<QStringList> m_loweredTypes;
    // Stored values that matched no choice, in document order. A document may hold thousands
    // of them: each is told once, and past the first few only counted, so the message stays
    // one a user can read.
    static constexpr qsizetype toldChoices = 10;
    QList<std::pair<Choice, QString>> m_notFound;
    QSet<QString> m_notFoundSeen;
    qsizetype m_moreNotFound = 0;
};
