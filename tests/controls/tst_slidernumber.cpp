#include <limits>

#include <QTest>

#include "propertyvalue.h"
#include "slidernumber.h"

Q_DECLARE_METATYPE(std::partial_ordering)

class TestSliderNumber : public QObject
{
    Q_OBJECT

private slots:
    void compare_data()
    {
        QTest::addColumn<QVariant>("a");
        QTest::addColumn<QVariant>("b");
        QTest::addColumn<int>("expected"); // -1, 0, 1; 2 for "not comparable"
        const auto i16 = [](qint16 v) { return QVariant::fromValue(v); };
        QTest::newRow("16-bit less") << i16(1) << i16(6) << -1;
        QTest::newRow("16 vs 32 equal") << i16(6) << QVariant::fromValue(qint32(6)) << 0;
        QTest::newRow("int vs double") << i16(6) << QVariant(5.5) << 1;
        QTest::newRow("big unsigned above signed")
            << QVariant::fromValue(std::numeric_limits<quint64>::max())
            << QVariant::fromValue(std::numeric_limits<qint64>::max()) << 1;
        QTest::newRow("negative below unsigned") << QVariant::fromValue(qint64(-1)) << QVariant::fromValue(quint64(0)) << -1;
        QTest::newRow("64-bit exact")
            << QVariant::fromValue(qint64(9007199254740993LL)) << QVariant::fromValue(qint64(9007199254740992LL)) << 1;
        QTest::newRow("numeric text") << QVariant(QStringLiteral(" 7 ")) << i16(6) << 1;
        QTest::newRow("text") << QVariant(QStringLiteral("abc")) << i16(6) << 2;
        QTest::newRow("empty") << QVariant() << i16(6) << 2;
        QTest::newRow("bool is no number") << QVariant(true) << i16(6) << 2;
    }
    void compare()
    {
        QFETCH(QVariant, a);
        QFETCH(QVariant, b);
        QFETCH(int, expected);
        const auto order = compareNumbers(a, b);
        if (expected == 2) {
            QVERIFY(!order);
            return;
        }
        QVERIFY(order);
        const int got = *order == std::partial_ordering::less ? -1 : *order == std::partial_ordering::equivalent ? 0 : 1;
        QCOMPARE(got, expected);
    }

    void offset_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("short down") << QVariant::fromValue(qint16(3)) << -1 << QVariant::fromValue(qint16(2));
        QTest::newRow("short widens down")
            << QVariant::fromValue(qint16(-32768)) << -1 << QVariant::fromValue(qint32(-32769));
        QTest::newRow("int widens") << QVariant::fromValue(std::numeric_limits<qint32>::max()) << 1
                                    << QVariant::fromValue(qint64(2147483648LL));
        QTest::newRow("uint below zero") << QVariant::fromValue(quint32(0)) << -1 << QVariant::fromValue(qint64(-1));
        QTest::newRow("ulonglong below zero") << QVariant::fromValue(quint64(0)) << -1 << QVariant::fromValue(qint64(-1));
        QTest::newRow("ulonglong up") << QVariant::fromValue(quint64(5)) << 1 << QVariant::fromValue(quint64(6));
        QTest::newRow("longlong widens to double")
            << QVariant::fromValue(std::numeric_limits<qint64>::max()) << 1 << QVariant(9223372036854775808.0);
        QTest::newRow("uchar widens") << QVariant::fromValue(quint8(255)) << 1 << QVariant::fromValue(qint16(256));
    }
    void offset()
    {
        QFETCH(QVariant, value);
        QFETCH(int, delta);
        QFETCH(QVariant, expected);
        const auto result = offsetNumber(value, delta);
        QVERIFY(result);
        QCOMPARE(result->metaType(), expected.metaType());
        QCOMPARE(*result, expected);
    }

    void text_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("16-bit") << QVariant::fromValue(qint16(3)) << "3";
        QTest::newRow("negative") << QVariant::fromValue(qint16(-12)) << "-12";
        QTest::newRow("double") << QVariant(2.5) << "2.5";
        QTest::newRow("signed char") << QVariant::fromValue(qint8(-5)) << "-5";
        QTest::newRow("text") << QVariant(QStringLiteral("abc")) << "abc";
        QTest::newRow("empty") << QVariant() << "";
    }
    void text()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        QCOMPARE(numberText(value), expected);
    }

    void conversions_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("int16ok");
        QTest::addColumn<int>("int16");
        QTest::newRow("short") << QVariant::fromValue(qint16(1)) << true << 1;
        QTest::newRow("text") << QVariant(QStringLiteral("12")) << true << 12;
        QTest::newRow("2.5 to 2") << QVariant(2.5) << true << 2;
        QTest::newRow("3.5 to 4") << QVariant(3.5) << true << 4;
        QTest::newRow("too large") << QVariant(40000) << false << 0;
        QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << false << 0;
        QTest::newRow("font-like") << QVariant(QStringLiteral("Arial,12")) << false << 0;
    }
    void conversions()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, int16ok);
        QFETCH(int, int16);
        const auto converted = toInt16(value);
        QCOMPARE(converted.has_value(), int16ok);
        if (converted)
            QCOMPARE(int(*converted), int16);
    }

    void booleans()
    {
        QCOMPARE(toBoolean(QVariant::fromValue(qint16(0))), std::optional<bool>(false));
        QCOMPARE(toBoolean(QVariant::fromValue(qint16(-1))), std::optional<bool>(true));
        QCOMPARE(toBoolean(QVariant(QStringLiteral("True"))), std::optional<bool>(true));
        QCOMPARE(toBoolean(QVariant(QStringLiteral("false"))), std::optional<bool>(false));
        QVERIFY(!toBoolean(QVariant(QStringLiteral("maybe"))));
    }

    void colours()
    {
        QCOMPARE(toOleColorValue(QVariant::fromValue(qint32(-2147483633))), std::optional<quint32>(0x8000000Fu));
        QCOMPARE(toOleColorValue(QVariant::fromValue(0x8000000Fu)), std::optional<quint32>(0x8000000Fu));
        QVERIFY(!toOleColorValue(QVariant::fromValue(qint64(1) << 33)));
    }
};

QTEST_APPLESS_MAIN(TestSliderNumber)
#include "tst_slidernumber.moc"
