#include <cmath>
#include <limits>

#include <QTest>

#include "sliderlayout.h"

namespace {

using Button = SliderSurface::Button;

// A surface without a screen: buttons keep what they are given (or snap it to a grid, as a
// widget at a coarse DPI would), and the label's width is a fixed measure per character.
class FakeSurface final : public SliderSurface
{
public:
    double width = 2175;
    double height = 255;
    int grid = 1; // buttons round their lengths to multiples of this
    double charWidth = 120;
    double textHeight = 270;
    int widths[2] = {255, 255};
    int heights[2] = {255, 255};
    int lefts[2] = {0, 1920};
    QString caption = QStringLiteral("1");
    float labelLeft = 240;
    float labelTop = 0;
    int labelMoves = 0;
    QStringList calls;

    double controlWidth() const override { return width; }
    double controlHeight() const override { return height; }
    int buttonWidth(Button b) const override { return widths[int(b)]; }
    int buttonHeight(Button b) const override { return heights[int(b)]; }
    void setButtonWidth(Button b, int twips) override
    {
        calls << QStringLiteral("%1.Width=%2").arg(name(b)).arg(twips);
        widths[int(b)] = snap(twips);
    }
    void setButtonHeight(Button b, int twips) override
    {
        calls << QStringLiteral("%1.Height=%2").arg(name(b)).arg(twips);
        heights[int(b)] = snap(twips);
    }
    void setButtonLeft(Button b, int twips) override
    {
        calls << QStringLiteral("%1.Left=%2").arg(name(b)).arg(twips);
        lefts[int(b)] = twips;
    }
    void setLabelCaption(const QString &text) override { caption = text; }
    double labelWidth() const override { return charWidth * caption.size(); }
    double labelHeight() const override { return textHeight; }
    void setLabelLeft(float twips) override
    {
        labelLeft = twips;
        ++labelMoves;
    }
    void setLabelTop(float twips) override { labelTop = twips; }

private:
    static QString name(Button b) { return b == Button::Down ? "cmdDown" : "cmdUp"; }
    int snap(int twips) const { return int(std::lround(double(twips) / grid)) * grid; }
};

QVariant int16(qint16 v)
{
    return QVariant::fromValue(v);
}

} // namespace

class TestSliderLayout : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        FakeSurface surface;
        SliderLayout layout(surface);
        QVERIFY(layout.measureMaxText());
        QCOMPARE(layout.maxTextWidth(), 120);
        QVERIFY(layout.resize());
        QCOMPARE(surface.widths[0], 255);
        QCOMPARE(surface.heights[0], 255);
        QCOMPARE(surface.widths[1], 255);
        QCOMPARE(surface.heights[1], 255);
        QCOMPARE(surface.lefts[1], 1920);
        QCOMPARE(surface.lefts[0], 0);
        QCOMPARE(layout.freeWidth(), 1665);
        QCOMPARE(layout.stepWidth(), 258); // 1545 / 6 = 257.5, to the even 258
        layout.setValue(int16(3));
        QVERIFY(layout.placeValueLabel());
        QCOMPARE(surface.labelLeft, 771.0f);
        QCOMPARE(surface.caption, QStringLiteral("3"));
    }

    void resizeDerivesEachLengthFromTheOneReadBack()
    {
        FakeSurface surface;
        surface.grid = 15; // a button at 96 DPI holds whole pixels of 15 twips
        surface.height = 262;
        SliderLayout layout(surface);
        QVERIFY(layout.resize());
        const QStringList expected = {"cmdUp.Height=262", "cmdUp.Width=255", "cmdDown.Width=255",
                                      "cmdDown.Height=255", "cmdUp.Left=1920"};
        QCOMPARE(surface.calls, expected);
    }

    void resizeToHeight300()
    {
        FakeSurface surface;
        surface.height = 300;
        SliderLayout layout(surface);
        QVERIFY(layout.resize());
        QCOMPARE(surface.widths[0], 300);
        QCOMPARE(surface.heights[0], 300);
        QCOMPARE(surface.widths[1], 300);
        QCOMPARE(surface.heights[1], 300);
        QCOMPARE(surface.lefts[1], 2175 - 300);
        QCOMPARE(surface.labelTop, 15.0f); // (300 - 270) / 2
        QCOMPARE(layout.freeWidth(), 2175 - 600);
        QCOMPARE(surface.labelLeft, 300.0f); // Value 1 stands against the down button
    }

    void labelTallerThanTheControlOverhangs()
    {
        FakeSurface surface;
        surface.height = 200;
        SliderLayout layout(surface);
        QVERIFY(layout.resize());
        QCOMPARE(surface.labelTop, -35.0f);
    }

    void conversionsRoundHalfToEven_data()
    {
        QTest::addColumn<double>("controlWidth");
        QTest::addColumn<double>("charWidth");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("freeWidth");
        QTest::addColumn<int>("stepWidth");
        QTest::newRow("257.5 up to 258") << 2175.0 << 120.0 << 6 << 1665 << 258;
        QTest::newRow("256.5 down to 256") << 2169.0 << 120.0 << 6 << 1659 << 256;
        QTest::newRow("free 1665.5 to 1666") << 2175.5 << 0.0 << 1 << 1666 << 1666;
        QTest::newRow("free 1664.5 to 1664") << 2174.5 << 0.0 << 1 << 1664 << 1664;
        QTest::newRow("negative tie -2.5 to -2") << 625.0 << 120.0 << 2 << 115 << -2;
        QTest::newRow("narrow control steps backwards") << 600.0 << 120.0 << 6 << 90 << -5;
    }
    void conversionsRoundHalfToEven()
    {
        QFETCH(double, controlWidth);
        QFETCH(double, charWidth);
        QFETCH(int, max);
        QFETCH(int, freeWidth);
        QFETCH(int, stepWidth);
        FakeSurface surface;
        surface.width = controlWidth;
        surface.charWidth = charWidth;
        SliderLayout layout(surface);
        layout.setMax(int16(qint16(max)));
        QVERIFY(layout.measureMaxText());
        QVERIFY(layout.computeStep());
        QCOMPARE(layout.freeWidth(), freeWidth);
        QCOMPARE(layout.stepWidth(), stepWidth);
    }

    void maxTextWidthRoundsHalfToEven()
    {
        FakeSurface surface;
        surface.charWidth = 120.5;
        SliderLayout layout(surface);
        QVERIFY(layout.measureMaxText());
        QCOMPARE(layout.maxTextWidth(), 120);
        surface.charWidth = 121.5;
        QVERIFY(layout.measureMaxText());
        QCOMPARE(layout.maxTextWidth(), 122);
    }

    void sixClicksUpChangeFiveTimes()
    {
        FakeSurface surface;
        SliderLayout layout(surface);
        QVERIFY(layout.measureMaxText());
        QVERIFY(layout.resize());
        for (int expected = 2; expected <= 6; ++expected) {
            QCOMPARE(layout.clickUp(), SliderLayout::ClickResult::Changed);
            QCOMPARE(layout.value(), int16(qint16(expected)));
            QCOMPARE(layout.value().metaType().id(), int(QMetaType::Short));
            QCOMPARE(surface.labelLeft, float(255 + 258 * (expected - 1)));
        }
        const int moves = surface.labelMoves;
        QCOMPARE(layout.clickUp(), SliderLayout::ClickResult::Unchanged);
        QCOMPARE(layout.value(), int16(6));
        QCOMPARE(surface.labelMoves, moves);
    }

    void downAtMinDoesNothing()
    {
        FakeSurface surface;
        SliderLayout layout(surface);
        const int moves = surface.labelMoves;
        QCOMPARE(layout.clickDown(), SliderLayout::ClickResult::Unchanged);
        QCOMPARE(layout.value(), int16(1));
        QCOMPARE(surface.labelMoves, moves);
    }

    void outOfRangeMovesOnlyFromTheFarSide_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<int>("after");
        QTest::newRow("above Max, up") << 9 << true << false << 9;
        QTest::newRow("above Max, down") << 9 << false << true << 8;
        QTest::newRow("below Min, down") << -3 << false << false << -3;
        QTest::newRow("below Min, up") << -3 << true << true << -2;
    }
    void outOfRangeMovesOnlyFromTheFarSide()
    {
        QFETCH(int, value);
        QFETCH(bool, up);
        QFETCH(bool, changes);
        QFETCH(int, after);
        FakeSurface surface;
        SliderLayout layout(surface);
        layout.setValue(int16(qint16(value)));
        const auto result = up ? layout.clickUp() : layout.clickDown();
        QCOMPARE(result, changes ? SliderLayout::ClickResult::Changed : SliderLayout::ClickResult::Unchanged);
        QCOMPARE(layout.value(), int16(qint16(after)));
    }

    void settingValuePlacesTheLabelFurtherRight()
    {
        FakeSurface surface;
        SliderLayout layout(surface);
        QVERIFY(layout.measureMaxText());
        QVERIFY(layout.resize());
        layout.setValue(int16(10));
        QVERIFY(layout.placeValueLabel());
        QCOMPARE(surface.caption, QStringLiteral("10"));
        QCOMPARE(surface.labelLeft, float(255 + 9 * 258));
    }

    void measuringMaxMovesNothing()
    {
        FakeSurface surface;
        SliderLayout layout(surface);
        QVERIFY(layout.resize());
        const int moves = surface.labelMoves;
        const float left = surface.labelLeft;
        const int step = layout.stepWidth();
        layout.setMax(int16(12));
        QVERIFY(layout.measureMaxText());
        QCOMPARE(layout.maxTextWidth(), 240);
        QCOMPARE(surface.caption, QStringLiteral("1"));
        QCOMPARE(surface.labelMoves, moves);
        QCOMPARE(surface.labelLeft, left);
        QCOMPARE(layout.stepWidth(), step);
        // Reading saved properties leaves Max's text on show.
        QVERIFY(layout.measureMaxText(true));
        QCOMPARE(surface.caption, QStringLiteral("12"));
    }

    void noNumberMeansNoStep_data()
    {
        QTest::addColumn<QVariant>("min");
        QTest::addColumn<QVariant>("max");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("stepWidth");
        QTest::addColumn<float>("labelLeft");
        QTest::addColumn<QVariant>("afterUp");
        QTest::addColumn<QVariant>("afterDown");
        const QVariant text = QStringLiteral("abc");
        QTest::newRow("Max 0") << int16(1) << int16(0) << int16(3) << 0 << 255.0f << int16(3) << int16(2);
        QTest::newRow("Max 0.0") << int16(1) << QVariant(0.0) << int16(3) << 0 << 255.0f << int16(3) << int16(2);
        QTest::newRow("Max text") << int16(1) << text << int16(3) << 0 << 255.0f << int16(3) << int16(2);
        QTest::newRow("Max empty") << int16(1) << QVariant() << int16(3) << 0 << 255.0f << int16(3) << int16(2);
        QTest::newRow("Min text") << text << int16(6) << int16(3) << 258 << 771.0f << int16(4) << int16(3);
        QTest::newRow("Value text") << int16(1) << int16(6) << text << 258 << 255.0f << text << text;
        QTest::newRow("Max NaN") << int16(1) << QVariant(std::nan("")) << int16(3) << 0 << 255.0f << int16(3) << int16(2);
    }
    void noNumberMeansNoStep()
    {
        QFETCH(QVariant, min);
        QFETCH(QVariant, max);
        QFETCH(QVariant, value);
        QFETCH(int, stepWidth);
        QFETCH(float, labelLeft);
        QFETCH(QVariant, afterUp);
        QFETCH(QVariant, afterDown);
        FakeSurface surface;
        SliderLayout layout(surface);
        QVERIFY(layout.measureMaxText()); // "6": 120 wide, as in the worked example
        layout.setMin(min);
        layout.setMax(max);
        layout.setValue(value);
        QVERIFY(layout.resize());
        QCOMPARE(layout.stepWidth(), stepWidth);
        QCOMPARE(surface.labelLeft, labelLeft);
        layout.clickUp();
        QCOMPARE(layout.value(), afterUp);
        layout.setValue(value);
        layout.clickDown();
        QCOMPARE(layout.value(), afterDown);
    }

    void valuesKeepOrWidenTheirType_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("max");
        QTest::addColumn<QVariant>("afterUp");
        QTest::newRow("16-bit") << int16(3) << int16(6) << int16(4);
        QTest::newRow("16-bit widens past 32767")
            << int16(32767) << QVariant::fromValue(qint32(40000)) << QVariant::fromValue(qint32(32768));
        QTest::newRow("32-bit") << QVariant::fromValue(qint32(7)) << QVariant::fromValue(qint32(9))
                                << QVariant::fromValue(qint32(8));
        QTest::newRow("double") << QVariant(2.5) << int16(6) << QVariant(3.5);
        QTest::newRow("float") << QVariant(2.5f) << int16(6) << QVariant(3.5f);
        QTest::newRow("numeric text becomes double") << QVariant(QStringLiteral("4")) << int16(6) << QVariant(5.0);
        QTest::newRow("mixed types compare by value")
            << QVariant::fromValue(qint64(5)) << QVariant(5.5) << QVariant::fromValue(qint64(6));
    }
    void valuesKeepOrWidenTheirType()
    {
        QFETCH(QVariant, value);
        QFETCH(QVariant, max);
        QFETCH(QVariant, afterUp);
        FakeSurface surface;
        SliderLayout layout(surface);
        layout.setMax(max);
        layout.setValue(value);
        QCOMPARE(layout.clickUp(), SliderLayout::ClickResult::Changed);
        QCOMPARE(layout.value().metaType(), afterUp.metaType());
        QCOMPARE(layout.value(), afterUp);
    }

    void overflowFailsAndKeepsEarlierState_data()
    {
        QTest::addColumn<double>("controlWidth");
        QTest::addColumn<double>("charWidth");
        QTest::addColumn<QVariant>("max");
        QTest::addColumn<int>("freeWidthAfter");
        QTest::newRow("free width") << 5e9 << 120.0 << int16(6) << 1665;
        QTest::newRow("travel") << 2147483000.0 << -10000.0 << int16(6) << 2147482490;
        QTest::newRow("step") << 2175.0 << 120.0 << QVariant(1e-9) << 1665;
    }
    void overflowFailsAndKeepsEarlierState()
    {
        QFETCH(double, controlWidth);
        QFETCH(double, charWidth);
        QFETCH(QVariant, max);
        QFETCH(int, freeWidthAfter);
        FakeSurface surface;
        SliderLayout layout(surface);
        QVERIFY(layout.measureMaxText());
        QVERIFY(layout.resize());
        QCOMPARE(layout.stepWidth(), 258);
        surface.charWidth = charWidth;
        layout.setMax(max);
        QVERIFY(layout.measureMaxText());
        surface.width = controlWidth;
        const int moves = surface.labelMoves;
        QVERIFY(!layout.placeValueLabel());
        QVERIFY(!layout.errorString().isEmpty());
        QCOMPARE(layout.freeWidth(), freeWidthAfter);
        QCOMPARE(layout.stepWidth(), 258);
        QCOMPARE(surface.labelMoves, moves);
    }

    void clickThatOverflowsKeepsTheNewValue()
    {
        FakeSurface surface;
        SliderLayout layout(surface);
        layout.setMax(QVariant(1e-9));
        QCOMPARE(layout.clickUp(), SliderLayout::ClickResult::Unchanged); // Value 1 is above Max
        layout.setMax(QVariant(1.5e-9));
        layout.setValue(QVariant(0.0));
        QCOMPARE(layout.clickUp(), SliderLayout::ClickResult::Failed);
        QCOMPARE(layout.value(), QVariant(1.0));
    }
};

QTEST_APPLESS_MAIN(TestSliderLayout)
#include "tst_sliderlayout.moc"
