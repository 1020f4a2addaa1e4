#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "arbutton.h"
#include "memorypropertystore.h"
#include "olecolor.h"
#include "twips.h"

namespace {

// Counts the pixels of exactly this colour: solid glyph and fill pixels carry it unblended.
int pixelsOf(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == color.rgb())
                ++count;
    return count;
}

QImage shot(ARButton &button)
{
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A store that keeps only the values that differ from their defaults.
class SparseStore final : public PropertyStore
{
public:
    std::optional<QVariant> readProperty(const QString &name, const QVariant &defaultValue) override
    {
        return kept.contains(name) ? kept.value(name) : defaultValue;
    }
    bool writeProperty(const QString &name, const QVariant &value, const QVariant &defaultValue) override
    {
        return value == defaultValue || kept.writeProperty(name, value, defaultValue);
    }

    MemoryPropertyStore kept;
};

} // namespace

class TestARButton : public QObject
{
    Q_OBJECT

private slots:
    void oleColorDecodesBgr_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("black") << 0x00000000u << QColor(0, 0, 0);
        QTest::newRow("yellow") << 0x0000FFFFu << QColor(255, 255, 0);
        QTest::newRow("blue is the high byte") << 0x00FF0000u << QColor(0, 0, 255);
        QTest::newRow("red is the low byte") << 0x000000FFu << QColor(255, 0, 0);
        QTest::newRow("grey") << 0x00808080u << QColor(128, 128, 128);
        QTest::newRow("mixed") << 0x00123456u << QColor(0x56, 0x34, 0x12);
    }
    void oleColorDecodesBgr()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, expected);
        QCOMPARE(oleColor(value), expected);
        QCOMPARE(oleColorValue(expected), value);
    }

    void systemColoursFollowThePalette()
    {
        const QPalette palette = QGuiApplication::palette();
        QCOMPARE(oleColor(0x8000000Fu), palette.color(QPalette::Button));
        QCOMPARE(oleColor(0x80000012u), palette.color(QPalette::ButtonText));
        QCOMPARE(oleColor(0x80000005u), palette.color(QPalette::Base));
    }

    void oneClickRaisesOneClick_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("mouse") << "mouse";
        QTest::newRow("space") << "space";
        QTest::newRow("return") << "return";
        QTest::newRow("enter") << "enter";
        QTest::newRow("code") << "code";
    }
    void oneClickRaisesOneClick()
    {
        QFETCH(QString, how);
        ARButton button;
        button.setCaption(QStringLiteral("Remove"));
        button.resize(80, 24);
        QSignalSpy clicks(&button, &ARButton::Click);
        QSignalSpy qtClicks(&button, &QAbstractButton::clicked);
        if (how == QLatin1String("mouse"))
            QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(40, 12));
        else if (how == QLatin1String("space"))
            QTest::keyClick(&button, Qt::Key_Space);
        else if (how == QLatin1String("return"))
            QTest::keyClick(&button, Qt::Key_Return);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(&button, Qt::Key_Enter);
        else
            button.click();
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(qtClicks.count(), 1);
    }

    void pressWithoutReleaseIsNoClick()
    {
        ARButton button;
        button.resize(80, 24);
        QSignalSpy clicks(&button, &ARButton::Click);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(40, 12));
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(40, 12));
        QCOMPARE(clicks.count(), 1);
    }

    void hoverSwitchesColours()
    {
        ARButton button;
        button.resize(60, 30);
        button.setBorderStyle(ARButton::borderNone);
        button.setCaption(QStringLiteral("M"));
        QFont big = button.font();
        big.setPixelSize(26);
        big.setBold(true);
        button.setFont(big);
        button.setForeColor(0x000000FFu); // red
        button.setForeColorOnMouse(0x0000FF00u); // green
        button.setBackColor(0x00FF0000u); // blue
        button.setBackColorOnMouse(0x00FFFFFFu); // white

        QImage before = shot(button);
        QCOMPARE(before.pixelColor(1, 1), QColor(0, 0, 255));
        QVERIFY(pixelsOf(before, QColor(255, 0, 0)) > 0);
        QCOMPARE(pixelsOf(before, QColor(0, 255, 0)), 0);

        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &enter);
        QVERIFY(button.isHovered());
        QImage hovered = shot(button);
        QCOMPARE(hovered.pixelColor(1, 1), QColor(255, 255, 255));
        QVERIFY(pixelsOf(hovered, QColor(0, 255, 0)) > 0);
        QCOMPARE(pixelsOf(hovered, QColor(255, 0, 0)), 0);

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        QVERIFY(!button.isHovered());
        QCOMPARE(shot(button).pixelColor(1, 1), QColor(0, 0, 255));
    }

    void focusSwitchesForeColour()
    {
        QWidget window;
        window.resize(200, 100);
        auto *other = new ARButton(&window);
        auto *button = new ARButton(&window);
        button->setGeometry(10, 40, 60, 30);
        button->setForeColor(0x000000FFu);
        button->setForeColorOnFocus(0x00FF00FFu); // magenta
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QCOMPARE(button->currentForeColor(), QColor(255, 0, 0));
        button->setFocus();
        QVERIFY(button->hasFocus());
        QCOMPARE(button->currentForeColor(), QColor(255, 0, 255));
        // The border is drawn in the fore colour, so the focus shows on the edge.
        QCOMPARE(shot(*button).pixelColor(0, 0), QColor(255, 0, 255));
        other->setFocus();
        const QImage unfocused = shot(*button);
        QCOMPARE(unfocused.pixelColor(0, 0), QColor(255, 0, 0));
        // Where the focus has no colour of its own, the button still shows that it has it.
        button->setForeColorOnFocus(button->foreColor());
        button->setFocus();
        QVERIFY(shot(*button) != unfocused);
    }

    void pictureReplacesCaption()
    {
        ARButton button;
        button.resize(40, 40);
        button.setBorderStyle(ARButton::borderNone);
        button.setBackColor(0x00000000u);
        button.setForeColor(0x000000FFu);
        button.setCaption(QStringLiteral("MMMM"));
        QPixmap picture(10, 11);
        picture.fill(Qt::white);
        button.setPicture(picture);
        const QImage image = shot(button);
        QCOMPARE(pixelsOf(image, QColor(255, 255, 255)), 10 * 11);
        QCOMPARE(pixelsOf(image, QColor(255, 0, 0)), 0);
        // Centred: 40 - 10 leaves 15 on each side, 40 - 11 leaves 14 above.
        QCOMPARE(image.pixelColor(15, 14), QColor(255, 255, 255));
        QCOMPARE(image.pixelColor(14, 14), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(24, 24), QColor(255, 255, 255));
        QCOMPARE(image.pixelColor(25, 24), QColor(0, 0, 0));
    }

    // One rule for every window and control: nearest pixel, halves to even, within a bound.
    void twipsBecomePixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole at 96 DPI") << 255.0 << 96.0 << 17;
        QTest::newRow("half, odd below") << 2175.0 << 144.0 << 218;
        QTest::newRow("half, even below") << 245.0 << 144.0 << 24;
        QTest::newRow("negative half") << -245.0 << 144.0 << -24;
        QTest::newRow("fraction") << 240.6 << 96.0 << 16;
        QTest::newRow("far beyond") << 2e12 << 96.0 << (1 << 20);
        QTest::newRow("far before") << -2e12 << 96.0 << -(1 << 20);
    }
    void twipsBecomePixels()
    {
        QFETCH(double, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(Twips::toPixels(twips, dpi), pixels);
    }
    void pixelsBecomeTwips()
    {
        // At 192 DPI a pixel is 7.5 twips.
        QCOMPARE(Twips::fromPixels(3, 192), 22.5);
        QCOMPARE(Twips::wholeFromPixels(3, 192), 22);
        QCOMPARE(Twips::wholeFromPixels(1, 192), 8);
    }

    void geometryReadsBackAsSet_data()
    {
        QTest::addColumn<int>("twips");
        QTest::newRow("slider button") << 255;
        QTest::newRow("one twip") << 1;
        QTest::newRow("odd") << 7;
        QTest::newRow("slider width") << 2175;
        QTest::newRow("zero") << 0;
        QTest::newRow("large") << 14400;
    }
    void geometryReadsBackAsSet()
    {
        QFETCH(int, twips);
        ARButton button;
        button.setLeft(twips);
        button.setWidth(twips);
        button.setHeight(twips);
        // Setting the same kind again must not disturb the others.
        button.setWidth(twips);
        QCOMPARE(button.Left(), twips);
        QCOMPARE(button.Width(), twips);
        QCOMPARE(button.Height(), twips);
        QCOMPARE(button.width(), qRound(twips * button.logicalDpiX() / 1440.0));
        QCOMPARE(button.height(), qRound(twips * button.logicalDpiY() / 1440.0));
        QCOMPARE(button.x(), qRound(twips * button.logicalDpiX() / 1440.0));
        button.show();
        QCOMPARE(button.Width(), twips);
        QCOMPARE(button.Height(), twips);
    }

    void heightReadBackMakesASquare()
    {
        // The slider sizes its buttons this way: width from the height read back.
        ARButton button;
        button.setHeight(301);
        button.setWidth(button.Height());
        QCOMPARE(button.Width(), 301);
        QCOMPARE(button.size().width(), button.size().height());
    }

    void pixelResizeUpdatesTwips()
    {
        ARButton button;
        button.setWidth(255);
        button.resize(button.logicalDpiX(), 10); // one inch
        button.show();
        QCOMPARE(button.Width(), 1440);
    }

    void persistenceRoundTrip_data()
    {
        QTest::addColumn<bool>("defaults");
        QTest::newRow("every entry set") << false;
        // A store may leave out what equals the default; reading must give that default back.
        QTest::newRow("defaults left out") << true;
    }
    void persistenceRoundTrip()
    {
        QFETCH(bool, defaults);
        QImage arrow(10, 11, QImage::Format_RGB32);
        arrow.fill(Qt::black);
        arrow.setPixel(3, 5, qRgb(255, 255, 255));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(8.25);
        ARButton original;
        ARButton copy;
        // With defaults left out, the copy starts out different: each default must come from
        // the reading.
        ARButton &changed = defaults ? copy : original;
        changed.setWidth(255);
        changed.setHeight(255);
        changed.setCaption(QStringLiteral("ARButton1"));
        changed.setForeColor(0x00808080u);
        changed.setForeColorOnMouse(0x0000FFFFu);
        changed.setForeColorOnFocus(0x00FFFFFFu);
        changed.setBackColor(0x00000000u);
        changed.setBackColorOnMouse(0x00202020u);
        changed.setFont(font);
        changed.setButtonStyle(1);
        changed.setBorderStyle(defaults ? ARButton::borderNone : ARButton::borderSingle);
        changed.setPicture(QPixmap::fromImage(arrow));
        if (defaults) {
            original.setWidth(0);
            original.setHeight(0);
        }

        MemoryPropertyStore everything;
        SparseStore sparse;
        PropertyStore &store = defaults ? static_cast<PropertyStore &>(sparse) : everything;
        QVERIFY(original.writeProperties(store));
        if (defaults) {
            QCOMPARE(sparse.kept.names(), QStringList({"_extentx", "_extenty"}));
        } else {
            const QStringList expectedNames = {
                "_extentx", "_extenty", "caption", "forecolor", "forecoloronmouse",
                "forecoloronfocus", "backcolor", "backcoloronmouse", "font", "style",
                "borderstyle", "picture"};
            QCOMPARE(everything.names(), expectedNames);
            // Extents are kept in HIMETRIC: 255 twips is 450.
            QCOMPARE(everything.value("_extentx").toInt(), 450);
        }

        QVERIFY(copy.readProperties(store));
        QCOMPARE(copy.Width(), original.Width());
        QCOMPARE(copy.Height(), original.Height());
        QCOMPARE(copy.caption(), original.caption());
        QCOMPARE(copy.foreColor(), original.foreColor());
        QCOMPARE(copy.foreColorOnMouse(), original.foreColorOnMouse());
        QCOMPARE(copy.foreColorOnFocus(), original.foreColorOnFocus());
        QCOMPARE(copy.backColor(), original.backColor());
        QCOMPARE(copy.backColorOnMouse(), original.backColorOnMouse());
        QCOMPARE(copy.font(), original.font());
        QCOMPARE(copy.buttonStyle(), original.buttonStyle());
        QCOMPARE(copy.borderStyle(), original.borderStyle());
        QCOMPARE(copy.picture().toImage().convertToFormat(QImage::Format_RGB32),
                 original.picture().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void extentsRoundTripForEveryTwipsValue()
    {
        // HIMETRIC is finer than twips, so no twips value may drift through a save.
        MemoryPropertyStore store;
        ARButton button;
        ARButton copy;
        for (int twips = 0; twips <= 3000; ++twips) {
            button.setWidth(twips);
            QVERIFY(button.writeProperties(store));
            QVERIFY(copy.readProperties(store));
            QCOMPARE(copy.Width(), twips);
        }
    }

    void readStopsAtTheFirstBadEntry()
    {
        MemoryPropertyStore store;
        store.setValue("caption", QStringLiteral("OK"));
        store.setValue("forecolor", 0x000000FFu);
        store.setValue("forecoloronmouse", QStringLiteral("not a colour"));
        store.setValue("backcolor", 0x00FF0000u);
        ARButton button;
        const PropertyTransfer result = button.readProperties(store);
        QVERIFY(!result);
        QCOMPARE(result.failedEntry, QStringLiteral("forecoloronmouse"));
        QCOMPARE(button.caption(), QStringLiteral("OK"));
        QCOMPARE(button.foreColor(), 0x000000FFu);
        QCOMPARE(button.backColor(), ARButton::defaultBackColor);
    }

    void emptyStoreGivesDefaults()
    {
        MemoryPropertyStore store;
        ARButton button;
        button.setForeColor(0x00123456u);
        QVERIFY(button.readProperties(store));
        QCOMPARE(button.foreColor(), ARButton::defaultForeColor);
        QVERIFY(button.picture().isNull());
    }
};

QTEST_MAIN(TestARButton)
#include "tst_arbutton.moc"
