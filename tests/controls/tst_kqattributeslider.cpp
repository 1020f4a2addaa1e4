#include <cmath>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "kqattributeslider.h"
#include "memorypropertystore.h"
#include "settingspropertystore.h"

namespace {

QVariant int16(qint16 v)
{
    return QVariant::fromValue(v);
}

int twipsOf(const QAbstractButton *button, const char *name)
{
    return button->property(name).toInt();
}

// The width in twips a bold 11.25 pt label needs for text, measured independently of the
// control, rounded half to even as the control does.
int textWidthTwips(const kqAttributeSlider &slider, const QString &text)
{
    QLabel label;
    label.setFont(slider.lblValue()->font());
    label.setText(text);
    label.adjustSize();
    return int(std::nearbyint(label.width() * 1440.0 / slider.logicalDpiX()));
}

void clickTimes(QAbstractButton *button, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
}

// A store whose read fails at one entry, as a damaged container file would.
class FailingStore final : public PropertyStore
{
public:
    explicit FailingStore(QString failing)
        : m_failing(std::move(failing))
    {
    }
    MemoryPropertyStore inner;
    std::optional<QVariant> readProperty(const QString &name, const QVariant &defaultValue) override
    {
        if (name == m_failing)
            return std::nullopt;
        return inner.readProperty(name, defaultValue);
    }
    bool writeProperty(const QString &name, const QVariant &value, const QVariant &defaultValue) override
    {
        return name != m_failing && inner.writeProperty(name, value, defaultValue);
    }

private:
    QString m_failing;
};

} // namespace

class TestAttributeSlider : public QObject
{
    Q_OBJECT

private slots:
    void newControlShowsOneAgainstTheDownButton()
    {
        kqAttributeSlider slider;
        slider.show();
        QCOMPARE(slider.widthTwips(), 2175);
        QCOMPARE(slider.heightTwips(), 255);
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("1"));
        QCOMPARE(slider.valueLabelPosition().x(), 255.0);
        QCOMPARE(slider.maxTextWidth(), 0);
        QCOMPARE(slider.Value(), int16(1));
        QCOMPARE(slider.Value().metaType().id(), int(QMetaType::Short));
        QCOMPARE(slider.Min(), int16(1));
        QCOMPARE(slider.Max(), int16(6));
        QCOMPARE(slider.Enabled(), false);
        QCOMPARE(slider.ForeColor(), 0);
        QCOMPARE(slider.Font(), slider.font());
        QCOMPARE(slider.BackColor(), 0u);
        QCOMPARE(slider.BackStyle(), kqAttributeSlider::backStyleOpaque);
        QCOMPARE(slider.BorderStyle(), kqAttributeSlider::borderStyleNone);
        QCOMPARE(slider.lblValue()->x(), slider.cmdDown()->width());
    }

    void childrenAsDesigned()
    {
        kqAttributeSlider slider;
        QCOMPARE(slider.cmdDown()->objectName(), QStringLiteral("cmdDown"));
        QCOMPARE(slider.cmdUp()->objectName(), QStringLiteral("cmdUp"));
        QCOMPARE(slider.lblValue()->objectName(), QStringLiteral("lblValue"));
        QCOMPARE(slider.lblValue()->font().bold(), true);
        QCOMPARE(slider.lblValue()->font().pointSizeF(), 11.25);
        QCOMPARE(slider.lblValue()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(!slider.lblValue()->autoFillBackground());
        for (QAbstractButton *button : {slider.cmdDown(), slider.cmdUp()}) {
            QCOMPARE(button->property("caption").toString(), QStringLiteral("ARButton1"));
            QCOMPARE(button->property("forecolor").toUInt(), 0x00808080u);
            QCOMPARE(button->property("backcolor").toUInt(), 0u);
            QCOMPARE(button->property("borderstyle").toInt(), 1);
            QCOMPARE(button->property("buttonstyle").toInt(), 1);
            QCOMPARE(button->property("picture").value<QPixmap>().size(), QSize(10, 11));
        }
        // The arrows point apart: the down button's picture is lit on its left, the up one's on
        // its right.
        const QImage down = slider.cmdDown()->property("picture").value<QPixmap>().toImage();
        const QImage up = slider.cmdUp()->property("picture").value<QPixmap>().toImage();
        QCOMPARE(down, up.mirrored(true, false));
        QCOMPARE(QColor(up.pixel(3, 1)), QColor(Qt::white));
        QCOMPARE(QColor(up.pixel(7, 1)), QColor(Qt::black));
        QCOMPARE(QColor(up.pixel(7, 5)), QColor(Qt::white));
        QCOMPARE(QColor(up.pixel(8, 5)), QColor(Qt::black));
    }

    void sixClicksOnUpRaiseChangeFiveTimes()
    {
        kqAttributeSlider slider;
        slider.show();
        QSignalSpy changes(&slider, &kqAttributeSlider::Change);
        QSignalSpy reports(&slider, &kqAttributeSlider::propertyChanged);
        QList<QVariant> seen;
        connect(&slider, &kqAttributeSlider::Change, this, [&] { seen << slider.Value(); });
        clickTimes(slider.cmdUp(), 6);
        QCOMPARE(changes.count(), 5);
        QCOMPARE(seen, (QList<QVariant>{int16(2), int16(3), int16(4), int16(5), int16(6)}));
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("6"));
        QCOMPARE(reports.count(), 0); // a click reports nothing to the container
    }

    void downAtMinDoesNothing()
    {
        kqAttributeSlider slider;
        slider.show();
        QSignalSpy changes(&slider, &kqAttributeSlider::Change);
        const QPoint before = slider.lblValue()->pos();
        clickTimes(slider.cmdDown(), 1);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(slider.Value(), int16(1));
        QCOMPARE(slider.lblValue()->pos(), before);
    }

    void outOfRangeValueMovesOnlyFromTheFarSide()
    {
        kqAttributeSlider slider;
        slider.show();
        QVERIFY(slider.setValue(int16(9)));
        QSignalSpy changes(&slider, &kqAttributeSlider::Change);
        clickTimes(slider.cmdUp(), 1);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(slider.Value(), int16(9));
        clickTimes(slider.cmdDown(), 1);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(slider.Value(), int16(8));
    }

    void settingValuePlacesTheLabelWithoutChange()
    {
        kqAttributeSlider slider;
        slider.show();
        QVERIFY(slider.setMax(int16(6)));
        QSignalSpy changes(&slider, &kqAttributeSlider::Change);
        QSignalSpy reports(&slider, &kqAttributeSlider::propertyChanged);
        QVERIFY(slider.setValue(int16(10)));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.at(0).at(0).toString(), QStringLiteral("Value"));
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("10"));
        const double expected = 255.0 + slider.stepWidth() * 9.0;
        QCOMPARE(slider.valueLabelPosition().x(), expected);
        QCOMPARE(slider.lblValue()->x(), qRound(expected * slider.logicalDpiX() / 1440.0));
    }

    void settingMaxMeasuresButDoesNotMove()
    {
        kqAttributeSlider slider;
        slider.show();
        const QPointF before = slider.valueLabelPosition();
        const int step = slider.stepWidth();
        QSignalSpy reports(&slider, &kqAttributeSlider::propertyChanged);
        QVERIFY(slider.setMax(int16(12)));
        QCOMPARE(slider.maxTextWidth(), textWidthTwips(slider, QStringLiteral("12")));
        QCOMPARE(slider.valueLabelPosition(), before);
        QCOMPARE(slider.stepWidth(), step);
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("1"));
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.at(0).at(0).toString(), QStringLiteral("Max"));
        // The new Max takes effect at the next click.
        clickTimes(slider.cmdUp(), 1);
        QVERIFY(slider.stepWidth() != step);
    }

    void settingMinShowsNothingNew()
    {
        kqAttributeSlider slider;
        slider.show();
        const QPointF before = slider.valueLabelPosition();
        slider.setMin(int16(3));
        QCOMPARE(slider.valueLabelPosition(), before);
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("1"));
    }

    // Also run at 144 DPI (see CMakeLists.txt), where 2175 twips are 217.5 pixels: the twips
    // stay exact whatever the pixels round to.
    void workedExampleOnTheRealWidgets()
    {
        kqAttributeSlider slider;
        QVERIFY(slider.setSizeTwips(2175, 255));
        slider.show();
        QCOMPARE(slider.widthTwips(), 2175);
        QCOMPARE(slider.heightTwips(), 255);
        QCOMPARE(twipsOf(slider.cmdDown(), "Width"), 255);
        QCOMPARE(twipsOf(slider.cmdDown(), "Height"), 255);
        QCOMPARE(twipsOf(slider.cmdUp(), "Width"), 255);
        QCOMPARE(twipsOf(slider.cmdUp(), "Left"), 1920);
        QCOMPARE(slider.freeWidth(), 1665);

        // A value label 120 twips wide whatever it shows, as in the worked example.
        const double dpi = slider.logicalDpiX();
        const double labelPixels = 120 * dpi / 1440;
        if (labelPixels != std::floor(labelPixels))
            QSKIP("120 twips are no whole number of pixels at this DPI");
        slider.lblValue()->setFixedWidth(int(labelPixels));
        QVERIFY(slider.setMax(int16(6)));
        QCOMPARE(slider.maxTextWidth(), 120);
        QVERIFY(slider.setValue(int16(3)));
        QCOMPARE(slider.stepWidth(), 258);
        QCOMPARE(slider.valueLabelPosition().x(), 771.0);
        QCOMPARE(slider.lblValue()->x(), int(std::nearbyint(771 * dpi / 1440)));
        QCOMPARE(slider.widthTwips(), 2175);
    }

    void resizeToHeight300()
    {
        kqAttributeSlider slider;
        slider.show();
        QVERIFY(slider.setSizeTwips(3000, 300));
        for (QAbstractButton *button : {slider.cmdDown(), slider.cmdUp()}) {
            QCOMPARE(twipsOf(button, "Width"), 300);
            QCOMPARE(twipsOf(button, "Height"), 300);
            QCOMPARE(button->y(), 0);
        }
        QCOMPARE(twipsOf(slider.cmdUp(), "Left"), 3000 - 300);
        QCOMPARE(twipsOf(slider.cmdDown(), "Left"), 0);
        const double labelHeight = slider.lblValue()->height() * 1440.0 / slider.logicalDpiY();
        QCOMPARE(slider.valueLabelPosition().y(), double(float((300 - labelHeight) / 2)));
    }

    void pixelResizeByTheContainerLaysOut()
    {
        kqAttributeSlider slider;
        slider.show();
        slider.resize(slider.logicalDpiX() * 2, slider.logicalDpiY() / 4); // 2880 x 360 twips
        QCOMPARE(slider.widthTwips(), 2880);
        QCOMPARE(slider.heightTwips(), 360);
        QCOMPARE(twipsOf(slider.cmdUp(), "Height"), 360);
        QCOMPARE(twipsOf(slider.cmdUp(), "Left"), 2880 - 360);
    }

    void noNumberOnTheRealWidgetIsHarmless_data()
    {
        QTest::addColumn<QVariant>("min");
        QTest::addColumn<QVariant>("max");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("noStep");
        QTest::addColumn<bool>("labelAtLeft");
        QTest::newRow("Max 0") << int16(1) << int16(0) << int16(3) << true << true;
        QTest::newRow("Max text") << int16(1) << QVariant(QStringLiteral("many")) << int16(3) << true << true;
        QTest::newRow("Min text") << QVariant(QStringLiteral("few")) << int16(6) << int16(3) << false << false;
        QTest::newRow("Value text") << int16(1) << int16(6) << QVariant(QStringLiteral("some")) << false << true;
    }
    void noNumberOnTheRealWidgetIsHarmless()
    {
        QFETCH(QVariant, min);
        QFETCH(QVariant, max);
        QFETCH(QVariant, value);
        QFETCH(bool, noStep);
        QFETCH(bool, labelAtLeft);
        kqAttributeSlider slider;
        slider.show();
        slider.setMin(min);
        QVERIFY(slider.setMax(max));
        QVERIFY(slider.setValue(value));
        QVERIFY(slider.Resize());
        QCOMPARE(slider.lblValue()->text(), value.toString());
        QCOMPARE(slider.stepWidth() == 0, noStep);
        QCOMPARE(slider.valueLabelPosition().x() == 255.0, labelAtLeft);
        clickTimes(slider.cmdUp(), 2);
        clickTimes(slider.cmdDown(), 3);
        QVERIFY(slider.errorString().isEmpty());
    }

    void storedOnlyPropertiesChangeNothingOnScreen()
    {
        kqAttributeSlider slider;
        slider.show();
        const QImage before = slider.grab().toImage();
        QSignalSpy reports(&slider, &kqAttributeSlider::propertyChanged);
        slider.setForeColor(0x000000FF);
        slider.setEnabledProperty(true);
        slider.setEnabledProperty(false);
        QFont other(QStringLiteral("DejaVu Serif"), 30);
        slider.setFontProperty(other);
        slider.Refresh();
        QCOMPARE(slider.grab().toImage(), before);
        QCOMPARE(slider.ForeColor(), 0x000000FF);
        QCOMPARE(slider.Font(), other);
        QVERIFY(slider.isEnabled());
        QStringList names;
        for (const auto &args : reports)
            names << args.at(0).toString();
        QCOMPARE(names, (QStringList{"ForeColor", "Enabled", "Enabled", "Font"}));
        // Enabled False still answers clicks.
        QSignalSpy changes(&slider, &kqAttributeSlider::Change);
        clickTimes(slider.cmdUp(), 1);
        QCOMPARE(changes.count(), 1);
    }

    void surfacePropertiesDrawAndReport()
    {
        kqAttributeSlider slider;
        slider.show();
        QSignalSpy reports(&slider, &kqAttributeSlider::propertyChanged);
        const QPoint middle(slider.width() / 2 + 20, 1);
        QCOMPARE(slider.grab().toImage().pixelColor(middle), QColor(0, 0, 0));
        slider.setBackColor(0x00FF0000u);
        QCOMPARE(slider.grab().toImage().pixelColor(middle), QColor(0, 0, 255));
        slider.setBackStyle(kqAttributeSlider::backStyleTransparent);
        slider.setBorderStyle(kqAttributeSlider::borderStyleFixedSingle);
        QStringList names;
        for (const auto &args : reports)
            names << args.at(0).toString();
        QCOMPARE(names, (QStringList{"BackColor", "BackStyle", "BorderStyle"}));
    }

    void onlyChangeIsEverRaised()
    {
        kqAttributeSlider slider;
        slider.show();
        // The events pass their arguments by reference, so they are counted by direct connections.
        int raised = 0;
        auto count = [&raised](auto &&...) { ++raised; };
        connect(&slider, &kqAttributeSlider::Click, this, count);
        connect(&slider, &kqAttributeSlider::DblClick, this, count);
        connect(&slider, &kqAttributeSlider::KeyDown, this, count);
        connect(&slider, &kqAttributeSlider::KeyPress, this, count);
        connect(&slider, &kqAttributeSlider::KeyUp, this, count);
        connect(&slider, &kqAttributeSlider::MouseDown, this, count);
        connect(&slider, &kqAttributeSlider::MouseMove, this, count);
        connect(&slider, &kqAttributeSlider::MouseUp, this, count);
        clickTimes(slider.cmdUp(), 2);
        QTest::mouseDClick(&slider, Qt::LeftButton, {}, QPoint(slider.width() / 2, 5));
        QTest::mouseMove(&slider, QPoint(slider.width() / 2 + 3, 6));
        QTest::keyClick(&slider, Qt::Key_A);
        QTest::keyClick(slider.cmdUp(), Qt::Key_Space);
        QCOMPARE(raised, 0);
        QCOMPARE(slider.Value(), int16(4)); // the space bar clicked the up button
    }

    void keysStepAsTheButtonsDo_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("step");
        QTest::newRow("Up") << int(Qt::Key_Up) << 1;
        QTest::newRow("Right") << int(Qt::Key_Right) << 1;
        QTest::newRow("Down") << int(Qt::Key_Down) << -1;
        QTest::newRow("Left") << int(Qt::Key_Left) << -1;
    }

    void keysStepAsTheButtonsDo()
    {
        QFETCH(int, key);
        QFETCH(int, step);
        QWidget form;
        auto *before = new QLineEdit(&form);
        auto *slider = new kqAttributeSlider(&form);
        slider->move(0, 40);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        before->setFocus();
        const QImage unfocused = slider->grab().toImage();
        // One Tab stop for the whole control, and the focus shows.
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(slider->hasFocus());
        QVERIFY(slider->grab().toImage() != unfocused);

        QVERIFY(slider->setValue(int16(3)));
        QSignalSpy changes(slider, &kqAttributeSlider::Change);
        QTest::keyClick(slider, Qt::Key(key));
        QCOMPARE(slider->lblValue()->text(), QString::number(3 + step));
        // Held on, the value stops at the bound, and so do the Change events.
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(slider, Qt::Key(key));
        QCOMPARE(slider->Value(), step > 0 ? int16(6) : int16(1));
        QCOMPARE(changes.count(), step > 0 ? 3 : 2);
        // A click on a button leaves the focus on the control.
        clickTimes(slider->cmdDown(), 1);
        QVERIFY(slider->hasFocus());
    }

    // Run again with the screen at twice the scale: each arrow is drawn for the screen's pixels,
    // not enlarged from the designed 10 x 11.
    void arrowsAreDrawnForTheScreen()
    {
        kqAttributeSlider slider;
        slider.show();
        const qreal ratio = slider.devicePixelRatioF();
        for (QAbstractButton *button : {slider.cmdDown(), slider.cmdUp()}) {
            const QPixmap arrow = button->property("picture").value<QPixmap>();
            QCOMPARE(arrow.devicePixelRatio(), ratio);
            QCOMPARE(arrow.deviceIndependentSize(), QSizeF(10, 11));
            if (ratio < 2.0)
                continue;
            // Enlarged, every 2 x 2 block of pixels would be of one colour.
            const QImage image = arrow.toImage();
            bool finer = false;
            for (int y = 0; y + 1 < image.height(); y += 2) {
                for (int x = 0; x + 1 < image.width(); x += 2) {
                    const QRgb corner = image.pixel(x, y);
                    finer = finer || image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner
                            || image.pixel(x + 1, y + 1) != corner;
                }
            }
            QVERIFY(finer);
        }
    }

    void propertiesAreDesignableStoredAndDescribed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("BackColor") << "BackColor" << "Returns/sets the background color used to display text and graphics in an object.";
        QTest::newRow("ForeColor") << "ForeColor" << "Returns/sets the foreground color used to display text and graphics in an object.";
        QTest::newRow("Enabled") << "EnabledProperty" << "Returns/sets a value that determines whether an object can respond to user-generated events.";
        QTest::newRow("Font") << "FontProperty" << "Returns a Font object.";
        QTest::newRow("BackStyle") << "BackStyle" << "Indicates whether a Label or the background of a Shape is transparent or opaque.";
        QTest::newRow("BorderStyle") << "BorderStyle" << "Returns/sets the border style for an object.";
        QTest::newRow("Min") << "Min" << "";
        QTest::newRow("Max") << "Max" << "";
        QTest::newRow("Value") << "Value" << "";
    }
    void propertiesAreDesignableStoredAndDescribed()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);
        const QMetaObject &meta = kqAttributeSlider::staticMetaObject;
        const int index = meta.indexOfProperty(name.toLatin1().constData());
        QVERIFY(index >= meta.propertyOffset());
        QVERIFY(meta.property(index).isDesignable());
        QVERIFY(meta.property(index).isStored());
        QVERIFY(meta.property(index).isWritable());
        const int info = meta.indexOfClassInfo(name.toLatin1().constData());
        if (description.isEmpty())
            QCOMPARE(info, -1);
        else
            QCOMPARE(QString::fromLatin1(meta.classInfo(info).value()), description);
    }

    void designerPropertiesGoThroughTheSetters()
    {
        kqAttributeSlider slider;
        slider.show();
        QVERIFY(slider.setProperty("Max", 12));
        QVERIFY(slider.setProperty("Value", 9));
        QVERIFY(slider.setProperty("EnabledProperty", true));
        QCOMPARE(slider.Max(), QVariant(12));
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("9"));
        QVERIFY(slider.Enabled());
        QVERIFY(slider.isEnabled());
        QCOMPARE(slider.property("Value").toInt(), 9);
    }

    void emptyStoreGivesDefaults()
    {
        kqAttributeSlider slider;
        slider.setBackColor(0x00FFFFFFu);
        slider.setBackStyle(0);
        slider.setBorderStyle(1);
        slider.setEnabledProperty(true);
        slider.setForeColor(5);
        QVERIFY(slider.setMax(int16(99)));
        MemoryPropertyStore store;
        QVERIFY(slider.readProperties(store));
        QCOMPARE(slider.BackColor(), 0u);
        QCOMPARE(slider.ForeColor(), 0);
        QCOMPARE(slider.Enabled(), false);
        QCOMPARE(slider.Font(), slider.font());
        QCOMPARE(slider.BackStyle(), qint16(1));
        QCOMPARE(slider.BorderStyle(), qint16(0));
        QCOMPARE(slider.Min(), int16(1));
        QCOMPARE(slider.Max(), int16(6));
        QCOMPARE(slider.Value(), int16(1));
        QCOMPARE(slider.maxTextWidth(), textWidthTwips(slider, QStringLiteral("6")));
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("6")); // until the container resizes
        slider.show();
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("1"));
    }

    void storeWithMax12AndValue9()
    {
        MemoryPropertyStore store;
        store.setValue("Max", int16(12));
        store.setValue("Value", int16(9));
        kqAttributeSlider slider;
        QVERIFY(slider.readProperties(store));
        QVERIFY(slider.setSizeTwips(2175, 255));
        slider.show();
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("9"));
        QSignalSpy changes(&slider, &kqAttributeSlider::Change);
        clickTimes(slider.cmdUp(), 5);
        QCOMPARE(changes.count(), 3);
        QCOMPARE(slider.Value(), int16(12));
    }

    void savedValueKeepsItsType()
    {
        MemoryPropertyStore store;
        store.setValue("Value", QVariant::fromValue(qint32(4)));
        kqAttributeSlider slider;
        QVERIFY(slider.readProperties(store));
        QCOMPARE(slider.Value().metaType().id(), int(QMetaType::Int));
        QVERIFY(slider.Resize());
        QCOMPARE(slider.lblValue()->text(), QStringLiteral("4"));
    }

    void readFailingAtAnEntryKeepsTheEarlierOnes_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<bool>("storeFails"); // else the value does not convert
        QTest::newRow("Font is no font") << "Font" << false;
        QTest::newRow("store fails at Font") << "Font" << true;
        QTest::newRow("BackStyle out of range") << "BackStyle" << false;
        QTest::newRow("Enabled not a Boolean") << "Enabled" << false;
    }
    void readFailingAtAnEntryKeepsTheEarlierOnes()
    {
        QFETCH(QString, failing);
        QFETCH(bool, storeFails);
        const QStringList order = {"BackColor", "ForeColor", "Enabled", "Font", "BackStyle",
                                   "BorderStyle", "Min", "Max", "Value"};
        FailingStore store(storeFails ? failing : QString());
        store.inner.setValue("BackColor", QVariant::fromValue(qint32(0x00FF00)));
        store.inner.setValue("ForeColor", QVariant::fromValue(qint32(0x0000FF)));
        store.inner.setValue("Enabled", true);
        store.inner.setValue("BackStyle", int16(0));
        store.inner.setValue("BorderStyle", int16(1));
        store.inner.setValue("Min", int16(2));
        store.inner.setValue("Max", int16(9));
        store.inner.setValue("Value", int16(5));
        if (!storeFails) {
            const QVariant bad = failing == "Font"        ? QVariant(QStringLiteral("Arial"))
                                 : failing == "BackStyle" ? QVariant(70000)
                                                          : QVariant(QStringLiteral("maybe"));
            store.inner.setValue(failing, bad);
        }

        kqAttributeSlider slider;
        const PropertyTransfer result = slider.readProperties(store);
        QVERIFY(!result);
        QCOMPARE(result.failedEntry, failing);
        const int at = order.indexOf(failing);
        QCOMPARE(slider.BackColor(), at > 0 ? 0x00FF00u : 0u);
        QCOMPARE(slider.ForeColor(), at > 1 ? 0x0000FF : 0);
        QCOMPARE(slider.Enabled(), at > 2);
        QCOMPARE(slider.BackStyle(), qint16(at > 4 ? 0 : 1));
        // The entries after the failing one keep what they had.
        QCOMPARE(slider.BorderStyle(), qint16(0));
        QCOMPARE(slider.Min(), int16(1));
        QCOMPARE(slider.Max(), int16(6));
        QCOMPARE(slider.Value(), int16(1));
    }

    void writeGivesTheNineEntriesInOrder()
    {
        kqAttributeSlider slider;
        slider.setBackColor(0x8000000Fu);
        slider.setMin(QVariant(0.5));
        MemoryPropertyStore store;
        QVERIFY(slider.writeProperties(store));
        QCOMPARE(store.names(), (QStringList{"BackColor", "ForeColor", "Enabled", "Font", "BackStyle",
                                             "BorderStyle", "Min", "Max", "Value"}));
        QCOMPARE(store.value("BackColor").metaType().id(), int(QMetaType::Int));
        QCOMPARE(store.value("BackColor").toInt(), qint32(0x8000000F));
        QCOMPARE(store.value("ForeColor").metaType().id(), int(QMetaType::Int));
        QCOMPARE(store.value("Enabled").metaType().id(), int(QMetaType::Bool));
        QCOMPARE(store.value("Font").metaType().id(), int(QMetaType::QFont));
        QCOMPARE(store.value("BackStyle"), int16(1));
        QCOMPARE(store.value("BorderStyle"), int16(0));
        QCOMPARE(store.value("Min"), QVariant(0.5));
        QCOMPARE(store.value("Max"), int16(6));

        // A store that cannot record stops the writing there.
        FailingStore failing(QStringLiteral("Font"));
        const PropertyTransfer result = slider.writeProperties(failing);
        QVERIFY(!result);
        QCOMPARE(result.failedEntry, QStringLiteral("Font"));
        QCOMPARE(failing.inner.names(), (QStringList{"BackColor", "ForeColor", "Enabled"}));
    }

    void settingsStoreRoundTripKeepsTypes()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("form.ini"));
        QFont font(QStringLiteral("DejaVu Serif"), 14);
        {
            kqAttributeSlider slider;
            slider.setBackColor(0x00336699u);
            slider.setForeColor(77);
            slider.setEnabledProperty(true);
            slider.setFontProperty(font);
            slider.setBorderStyle(1);
            slider.setMin(int16(-2));
            QVERIFY(slider.setMax(QVariant::fromValue(qint32(20))));
            QVERIFY(slider.setValue(QVariant(2.5)));
            QSettings settings(file, QSettings::IniFormat);
            settings.beginGroup(QStringLiteral("slider1"));
            SettingsPropertyStore store(settings);
            QVERIFY(slider.writeProperties(store));
        }
        QSettings settings(file, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("slider1"));
        SettingsPropertyStore store(settings);
        kqAttributeSlider slider;
        QVERIFY(slider.readProperties(store));
        QCOMPARE(slider.BackColor(), 0x00336699u);
        QCOMPARE(slider.ForeColor(), 77);
        QVERIFY(slider.Enabled());
        QCOMPARE(slider.Font(), font);
        QCOMPARE(slider.BorderStyle(), qint16(1));
        QCOMPARE(slider.Min(), int16(-2));
        QCOMPARE(slider.Min().metaType().id(), int(QMetaType::Short));
        QCOMPARE(slider.Max(), QVariant::fromValue(qint32(20)));
        QCOMPARE(slider.Max().metaType().id(), int(QMetaType::Int));
        QCOMPARE(slider.Value(), QVariant(2.5));

        // A missing group reads as an empty store; a value written by hand is taken as text.
        settings.endGroup();
        settings.beginGroup(QStringLiteral("slider2"));
        settings.setValue(QStringLiteral("Max"), QStringLiteral("12"));
        kqAttributeSlider second;
        QVERIFY(second.readProperties(store));
        QCOMPARE(second.Max(), QVariant(QStringLiteral("12")));
        QCOMPARE(second.Min(), int16(1));
    }
};

QTEST_MAIN(TestAttributeSlider)
#include "tst_kqattributeslider.moc"
