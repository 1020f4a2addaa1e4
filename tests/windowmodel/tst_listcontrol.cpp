#include <QSignalSpy>
#include <QTest>

#include "windowmodel/listcontrol.h"
#include "windowmodel/textcontrol.h"

class TestListControl : public QObject
{
    Q_OBJECT

private slots:
    void readingPastTheEndGivesEmptyText()
    {
        ListControl list(QStringLiteral("L"));
        list.append(QStringLiteral("a"));
        QCOMPARE(list.row(0), QStringLiteral("a"));
        QCOMPARE(list.row(1), QString());
        QCOMPARE(list.row(-1), QString());
        QCOMPARE(list.text(), QString());
    }

    void clickRaisedOnlyWhenTheSelectionMoves()
    {
        ListControl list(QStringLiteral("L"));
        list.append(QStringLiteral("a"));
        list.append(QStringLiteral("b"));
        QSignalSpy clicks(&list, &ListControl::clicked);
        list.setSelectedIndex(1);
        QCOMPARE(clicks.count(), 1);
        list.setSelectedIndex(1);
        QCOMPARE(clicks.count(), 1);
        list.setSelectedIndex(5); // outside the list: ignored
        QCOMPARE(list.selectedIndex(), 1);
        list.setSelectedIndex(-1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(list.selectedIndex(), -1);
    }

    void clickRunsBeforeTheSetterReturns()
    {
        ListControl list(QStringLiteral("L"));
        list.append(QStringLiteral("a"));
        QString seen;
        connect(&list, &ListControl::clicked, this, [&] { seen = list.text(); });
        list.setSelectedIndex(0);
        QCOMPARE(seen, QStringLiteral("a"));
    }

    void selectionFollowsItsRow_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("selectedAfter");
        // Rows a b c d with c (index 2) selected.
        QTest::newRow("insert before") << "insert" << 0 << 3;
        QTest::newRow("insert at selected") << "insert" << 2 << 3;
        QTest::newRow("insert after") << "insert" << 3 << 2;
        QTest::newRow("insert at end") << "insert" << 4 << 2;
        QTest::newRow("remove before") << "remove" << 1 << 1;
        QTest::newRow("remove selected") << "remove" << 2 << -1;
        QTest::newRow("remove after") << "remove" << 3 << 2;
        QTest::newRow("remove outside") << "remove" << 7 << 2;
        QTest::newRow("clear") << "clear" << 0 << -1;
    }

    void selectionFollowsItsRow()
    {
        QFETCH(QString, operation);
        QFETCH(int, at);
        QFETCH(int, selectedAfter);
        ListControl list(QStringLiteral("L"));
        for (const char *row : {"a", "b", "c", "d"})
            list.append(QString::fromLatin1(row));
        list.setSelectedIndex(2);
        QSignalSpy clicks(&list, &ListControl::clicked);
        if (operation == u"insert")
            list.insert(at, QStringLiteral("new"));
        else if (operation == u"remove")
            list.remove(at);
        else
            list.clear();
        QCOMPARE(list.selectedIndex(), selectedAfter);
        QCOMPARE(clicks.count(), 0);
        if (selectedAfter >= 0)
            QCOMPARE(list.text(), QStringLiteral("c"));
    }

    void rowChangesAreToldOneByOne_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("at");
        QTest::addColumn<QStringList>("told");
        // Rows a b c to start with.
        QTest::newRow("append") << "append" << 0 << QStringList{"inserted 3", "changed"};
        QTest::newRow("insert") << "insert" << 1 << QStringList{"inserted 1", "changed"};
        QTest::newRow("insert past the end") << "insert" << 9 << QStringList{"inserted 3", "changed"};
        QTest::newRow("insert before the start") << "insert" << -1 << QStringList{};
        QTest::newRow("remove") << "remove" << 2 << QStringList{"removed 2", "changed"};
        QTest::newRow("remove outside") << "remove" << 3 << QStringList{};
        QTest::newRow("clear") << "clear" << 0 << QStringList{"cleared", "changed"};
        QTest::newRow("select") << "select" << 1 << QStringList{"changed", "clicked"};
        // Undo puts a list back whole; no one chose a row, so no click.
        QTest::newRow("restore") << "restore" << 1 << QStringList{"replaced", "changed"};
    }

    void rowChangesAreToldOneByOne()
    {
        QFETCH(QString, operation);
        QFETCH(int, at);
        QFETCH(QStringList, told);
        ListControl list(QStringLiteral("L"));
        for (const char *row : {"a", "b", "c"})
            list.append(QString::fromLatin1(row));
        QStringList seen;
        connect(&list, &ListControl::rowInserted, this, [&](int i) { seen << QStringLiteral("inserted %1").arg(i); });
        connect(&list, &ListControl::rowRemoved, this, [&](int i) { seen << QStringLiteral("removed %1").arg(i); });
        connect(&list, &ListControl::cleared, this, [&] { seen << QStringLiteral("cleared"); });
        connect(&list, &ListControl::changed, this, [&] { seen << QStringLiteral("changed"); });
        connect(&list, &ListControl::replaced, this, [&] { seen << QStringLiteral("replaced"); });
        connect(&list, &ListControl::clicked, this, [&] { seen << QStringLiteral("clicked"); });
        if (operation == u"append")
            list.append(QStringLiteral("new"));
        else if (operation == u"insert")
            list.insert(at, QStringLiteral("new"));
        else if (operation == u"remove")
            list.remove(at);
        else if (operation == u"clear")
            list.clear();
        else if (operation == u"restore")
            list.restore({QStringLiteral("x"), QStringLiteral("y")}, at);
        else
            list.setSelectedIndex(at);
        QCOMPARE(seen, told);
        if (operation == u"restore")
            QCOMPARE(list.text(), QStringLiteral("y"));
    }

    void insertPastTheEndAppends()
    {
        ListControl list(QStringLiteral("L"));
        list.insert(3, QStringLiteral("x"));
        QCOMPARE(list.rows(), QStringList{QStringLiteral("x")});
    }

    void textChangeRaisedOnlyOnADifferentText()
    {
        TextControl text(QStringLiteral("T"), QStringLiteral("1"));
        QSignalSpy changes(&text, &TextControl::changed);
        text.setText(QStringLiteral("1"));
        QCOMPARE(changes.count(), 0);
        text.setText(QStringLiteral("12"));
        text.setText(QString());
        QCOMPARE(changes.count(), 2);
    }
};

QTEST_APPLESS_MAIN(TestListControl)
#include "tst_listcontrol.moc"
