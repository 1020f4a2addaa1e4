// The help pages CTXhelp.htm and its German CTXhelp.de.htm: every link lands on a heading of the page itself, nothing is
// fetched from elsewhere, and what it teaches (the level letters, the worked rules example
// and its drain code, the start-up message in the page's language) is what the program
// really does.
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "windowmodel/cantrix.h"
#include "drain/drain.h"
#include "tests/support/recordingplatform.h"
#include "translations/programlanguage.h"

namespace {

struct HelpPage
{
    QString error;                      // empty when the page parsed
    QStringList ids;
    QStringList hrefs;
    QStringList externalSources;        // src attributes, link and script elements
    QHash<QString, QString> textById;   // the text inside each element with an id
    QList<QPair<QString, QStringList>> levelRows; // data-totals and the cells of each row
    QString text;                       // all text of the page
};

// The page is written as well-formed markup, so an XML reader can walk it; a slip in the
// markup shows up here as a parse error with its line.
HelpPage parseHelpPage(const QString &path)
{
    HelpPage page;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        page.error = file.errorString();
        return page;
    }
    QXmlStreamReader xml(&file);
    QList<QString> openIds;  // id of each open element, "" when it has none
    bool inLevelTable = false;
    int levelTableDepth = 0;
    QString cell;
    bool inCell = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString id = attributes.value(QStringLiteral("id")).toString();
            if (!id.isEmpty())
                page.ids << id;
            openIds << id;
            if (attributes.hasAttribute(QStringLiteral("href")))
                page.hrefs << attributes.value(QStringLiteral("href")).toString();
            if (attributes.hasAttribute(QStringLiteral("src")) || xml.name() == u"link" || xml.name() == u"script")
                page.externalSources << xml.name().toString();
            if (id == u"level-letters") {
                inLevelTable = true;
                levelTableDepth = int(openIds.size());
            }
            if (inLevelTable && xml.name() == u"tr" && attributes.hasAttribute(QStringLiteral("data-totals")))
                page.levelRows.append({attributes.value(QStringLiteral("data-totals")).toString(), {}});
            if (inLevelTable && xml.name() == u"td") {
                inCell = true;
                cell.clear();
            }
        } else if (xml.isEndElement()) {
            if (inLevelTable && xml.name() == u"td" && !page.levelRows.isEmpty()) {
                page.levelRows.last().second << cell.trimmed();
                inCell = false;
            }
            if (inLevelTable && int(openIds.size()) == levelTableDepth)
                inLevelTable = false;
            openIds.removeLast();
        } else if (xml.isCharacters()) {
            const QString text = xml.text().toString();
            page.text += text;
            if (inCell)
                cell += text;
            for (const QString &id : std::as_const(openIds)) {
                if (!id.isEmpty())
                    page.textById[id] += text;
            }
        }
    }
    if (xml.hasError())
        page.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return page;
}

int rowOf(const ListControl &list, const QString &text)
{
    return int(list.rows().indexOf(text));
}

} // namespace

class TestHelpPage : public QObject
{
    Q_OBJECT

private slots:
    // Every test runs over each page, in the language the page is written in.
    void initTestCase_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "CTXhelp.htm" << "en";
        QTest::newRow("German") << "CTXhelp.de.htm" << "de";
    }

    void init()
    {
        QFETCH_GLOBAL(QString, file);
        m_page = parseHelpPage(QStringLiteral(CANTRIX_SOURCE_DATA_DIR "/") + file);
        QVERIFY2(m_page.error.isEmpty(), qPrintable(m_page.error));
    }

    void idsAreUnique()
    {
        QSet<QString> seen;
        for (const QString &id : std::as_const(m_page.ids)) {
            QVERIFY2(!seen.contains(id), qPrintable(id));
            seen.insert(id);
        }
    }

    void everyLinkLandsInsideThePage()
    {
        QVERIFY(m_page.hrefs.size() > 10);
        for (const QString &href : std::as_const(m_page.hrefs)) {
            QVERIFY2(href.startsWith(u'#'), qPrintable(href + QStringLiteral(" leaves the page")));
            QVERIFY2(m_page.ids.contains(href.mid(1)), qPrintable(href + QStringLiteral(" has no target")));
        }
        QVERIFY2(m_page.externalSources.isEmpty(), qPrintable(m_page.externalSources.join(u' ')));
    }

    void levelLettersMatchTheDrainCode()
    {
        QCOMPARE(m_page.levelRows.size(), 9);
        for (const auto &[totals, cells] : std::as_const(m_page.levelRows)) {
            QCOMPARE(cells.size(), 2);
            for (const QString &total : totals.split(u' ')) {
                bool ok = false;
                const int value = total.toInt(&ok);
                QVERIFY(ok);
                QCOMPARE(cells.at(1), Drain::levelLetter(value));
            }
        }
    }

    void quotesTheMissingRulesMessage()
    {
        QFETCH_GLOBAL(QString, language);
        ProgramLanguage::install(*qApp, QLocale(language));
        QVERIFY(m_page.text.contains(QCoreApplication::translate("Cantrix", Cantrix::missingRulesText)));
        QVERIFY(m_page.text.contains(QCoreApplication::translate("Cantrix", Cantrix::missingRulesTitle)));
        qDeleteAll(qApp->findChildren<QTranslator *>());
    }

    // The worked example, taken from the page as a reader would copy it, drives the real
    // window model to the drain code the page promises.
    void workedExampleGivesTheDrainCodeShown()
    {
        const QString example = m_page.textById.value(QStringLiteral("example-file"));
        QVERIFY(!example.isEmpty());
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile rules(dir.filePath(QStringLiteral("GX2Mod.dat")));
        QVERIFY(rules.open(QIODevice::WriteOnly));
        for (const QString &line : example.split(u'\n'))
            rules.write(line.toUtf8() + "\r\n");
        rules.close();

        RecordingPlatform platform(dir.path());
        Cantrix w(platform);
        w.Form_Load();
        QVERIFY(platform.warnings.isEmpty());
        QVERIFY(!w.isClosed());
        QCOMPARE(w.CategoryCombo.rows(), QStringList{QStringLiteral("Binding")});
        QCOMPARE(w.TypeCombo.rows(), QStringList{QStringLiteral("Chanted")});
        QCOMPARE(w.Modifier1List.count(), 3);

        w.ForceText.setText(QStringLiteral("6"));
        w.Modifier1List.setSelectedIndex(rowOf(w.Modifier1List, QStringLiteral("Reach of the spell")));
        QCOMPARE(w.Modifier2List.rows(),
                 QStringList({QStringLiteral("Touch"), QStringLiteral("Line of sight")}));
        w.userDoubleClickOption(rowOf(w.Modifier2List, QStringLiteral("Line of sight")));
        w.userDoubleClickModifier(rowOf(w.Modifier1List, QStringLiteral("Lasting hold")));
        QCOMPARE(w.Summary2List.count(), 2);
        QCOMPARE(w.DrainText.text(), m_page.textById.value(QStringLiteral("example-drain")));
    }

private:
    HelpPage m_page;
};

QTEST_GUILESS_MAIN(TestHelpPage)
#include "tst_helppage.moc"
