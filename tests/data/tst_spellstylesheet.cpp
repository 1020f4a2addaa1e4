// The stylesheet GX2-Spell.xsl, run through xsltproc as a user would, turns spell documents
// into cards that show every value, escaped as HTML, and put no unsafe link on the card.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString stylesheetPath()
{
    return QStringLiteral(CANTRIX_SOURCE_DATA_DIR "/GX2-Spell.xsl");
}

QString samplePath()
{
    return QStringLiteral(CANTRIX_TEST_DATA_DIR "/sample-spell.xml");
}

// A value as it must appear in the card's text.
QString htmlText(QString value)
{
    return value.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
}

// Every attribute value of the document, as the parser decodes it, keyed "element/attribute";
// mod values are listed in document order.
struct SpellValues
{
    QHash<QString, QString> byKey;
    QStringList modValues;
    QStringList modTokens;
};

SpellValues readValues(const QString &path)
{
    SpellValues values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString element = xml.name().toString();
        for (const QXmlStreamAttribute &attribute : xml.attributes()) {
            values.byKey.insert(element + u'/' + attribute.name().toString(), attribute.value().toString());
        }
        if (element == u"mod") {
            values.modValues << xml.attributes().value(QStringLiteral("value")).toString();
            values.modTokens << xml.attributes().value(QStringLiteral("modifier")).toString();
        }
    }
    return values;
}

// A spell document written line for line as the program writes one.
QByteArray spellDocument(const QString &name, const QString &url, int modifiers)
{
    QStringList lines = {
        QStringLiteral("<?xml version='1.0'?>"),
        QStringLiteral("<?xml-stylesheet type='text/xsl' href='GX2-Spell.xsl'?>"),
        QStringLiteral("<common>"),
        QStringLiteral("    <generation system='GX2'/>"),
        QStringLiteral("    <author"),
        QStringLiteral("      name=\"\""),
        QStringLiteral("      email=\"\""),
        QStringLiteral("      url=\"%1\"").arg(url),
        QStringLiteral("      notes=''/>"),
        QStringLiteral("    <date"),
        QStringLiteral("      creation=\"March 05, 2024\""),
        QStringLiteral("      lastmod=\"March 05, 2024\""),
        QStringLiteral("      notes=''/>"),
        QStringLiteral("    <itemdef"),
        QStringLiteral("      name=\"%1\"").arg(name),
        QStringLiteral("      type='spell'"),
        QStringLiteral("      notes=''/>"),
        QStringLiteral("<spell>"),
        QStringLiteral("  <general>"),
        QStringLiteral("    <category value=\"Seeing Spell\" modifier=\"+1 -1DRT\"/>"),
        QStringLiteral("    <type value=\"Spoken Spell\" modifier=\"+1DRT\"/>"),
        QStringLiteral("    <force value=\"Choose Force\" modifier=\"1\"/>"),
        QStringLiteral("    <drain value=\"[(1/2) ] L\"/>"),
        QStringLiteral("    <description value=\"\"/>"),
        QStringLiteral("  </general>"),
        QStringLiteral("  <modifiers>"),
    };
    for (int i = 1; i <= modifiers; ++i)
        lines << QStringLiteral("    <mod value=\"Modifier number %1\" modifier=\"+1\"/>").arg(i);
    lines << QStringLiteral("  </modifiers>") << QStringLiteral("</spell>") << QStringLiteral("</common>");
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace

class TestSpellStylesheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_xsltproc = QStandardPaths::findExecutable(QStringLiteral("xsltproc"));
        if (m_xsltproc.isEmpty())
            QSKIP("xsltproc is not installed (Debian package xsltproc)");
    }

    // The sample is what the program writes: fixed first lines, CR LF line ends.
    void sampleHasTheDocumentLayout()
    {
        QFile file(samplePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("<?xml version='1.0'?>\r\n"
                                 "<?xml-stylesheet type='text/xsl' href='GX2-Spell.xsl'?>\r\n<common>\r\n"));
        QVERIFY(bytes.endsWith("</common>\r\n"));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        QVERIFY(bytes.contains("&lt;") && bytes.contains("&amp;") && bytes.contains("&quot;"));
    }

    void sampleCardShowsEveryValueEscaped()
    {
        const QString card = transform(samplePath());
        QVERIFY(!card.isEmpty());
        const SpellValues values = readValues(samplePath());
        const QString name = values.byKey.value(QStringLiteral("itemdef/name"));
        QVERIFY(name.contains(u'<') && name.contains(u'&') && name.contains(u'"'));

        QVERIFY(card.contains(QStringLiteral("<title>") + htmlText(name) + QStringLiteral("</title>")));
        QVERIFY(card.contains(QStringLiteral("<h1>") + htmlText(name) + QStringLiteral("</h1>")));
        for (const QString &key : {QStringLiteral("author/name"), QStringLiteral("author/email"),
                                  QStringLiteral("date/creation"), QStringLiteral("date/lastmod"),
                                  QStringLiteral("category/value"), QStringLiteral("category/modifier"),
                                  QStringLiteral("type/value"), QStringLiteral("type/modifier"),
                                  QStringLiteral("force/value"), QStringLiteral("drain/value")}) {
            const QString value = values.byKey.value(key);
            QVERIFY2(!value.isEmpty() && card.contains(htmlText(value)), qPrintable(key + u' ' + value));
        }
        // The description keeps its line break; its < and & come out as entities.
        const QStringList description = values.byKey.value(QStringLiteral("description/value")).split(u'\n');
        QCOMPARE(description.size(), 2);
        for (const QString &line : description)
            QVERIFY2(card.contains(htmlText(line)), qPrintable(line));

        QCOMPARE(values.modValues.size(), 3);
        for (qsizetype i = 0; i < values.modValues.size(); ++i) {
            QVERIFY2(card.contains(QStringLiteral("<td>") + htmlText(values.modValues.at(i)) + QStringLiteral("</td>")),
                     qPrintable(values.modValues.at(i)));
            QVERIFY(card.contains(htmlText(values.modTokens.at(i))));
        }
        QVERIFY(!card.contains(QStringLiteral("<II>")));
        QVERIFY(!card.contains(QStringLiteral("<casting>")));
        QVERIFY(!card.contains(QStringLiteral(" & ")));
        QVERIFY(card.contains(QStringLiteral("href=\"mailto:morwen@example.org\"")));
    }

    void cardOfAnUnfinishedSpell_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");

        QTest::newRow("nothing chosen")
            << QString() << QString() << 0
            << QStringList{"<title>Untitled spell</title>", "No modifiers.", "No description.",
                           "Seeing Spell"}
            << QStringList{"class=\"byline\"", "<table class=\"mods\">"};
        QTest::newRow("web address is a link")
            << "Far Eye" << "https://example.org/eye" << 1
            << QStringList{"href=\"https://example.org/eye\"", "<td>Modifier number 1</td>"}
            << QStringList{"No modifiers."};
        // A document from elsewhere must not put a script link on the card.
        QTest::newRow("script address is only text")
            << "Far Eye" << "javascript:alert(1)" << 1
            << QStringList{"javascript:alert(1)"}
            << QStringList{"href=\"javascript:"};
        // Only the first thirteen rows count toward the drain code; the card says so.
        QTest::newRow("fourteen modifiers")
            << "Crowded" << QString() << 14
            << QStringList{"<tr class=\"uncounted\">\n<td>Modifier number 14</td>",
                           "Modifiers after the thirteenth take no part in the drain code."}
            << QStringList{"<tr class=\"uncounted\">\n<td>Modifier number 13</td>"};
    }

    void cardOfAnUnfinishedSpell()
    {
        QFETCH(QString, name);
        QFETCH(QString, url);
        QFETCH(int, modifiers);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile document(dir.filePath(QStringLiteral("spell.xml")));
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.write(spellDocument(name, url, modifiers));
        document.close();

        const QString card = transform(document.fileName());
        QVERIFY(!card.isEmpty());
        for (const QString &text : present)
            QVERIFY2(card.contains(text), qPrintable(text));
        for (const QString &text : absent)
            QVERIFY2(!card.contains(text), qPrintable(text));
    }

private:
    QString transform(const QString &document)
    {
        QProcess xsltproc;
        xsltproc.start(m_xsltproc, {stylesheetPath(), document});
        if (!xsltproc.waitForFinished(60000) || xsltproc.exitStatus() != QProcess::NormalExit
            || xsltproc.exitCode() != 0) {
            qWarning().noquote() << "xsltproc failed:" << xsltproc.readAllStandardError();
            return {};
        }
        return QString::fromUtf8(xsltproc.readAllStandardOutput());
    }

    QString m_xsltproc;
};

QTEST_GUILESS_MAIN(TestSpellStylesheet)
#include "tst_spellstylesheet.moc"
