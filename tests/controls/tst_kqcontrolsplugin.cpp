#include <cmath>

#include <QAbstractButton>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QPluginLoader>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtUiTools/QUiLoader>

#include "kqattributeslider.h"
#include "ui_sliderform.h"

namespace {

int pixels(double dpi, int twips)
{
    return int(std::nearbyint(twips * dpi / 1440.0));
}

// The properties sliderform.ui gives its slider, as Designer saves them.
void verifyFormProperties(const kqAttributeSlider *slider)
{
    QVERIFY(slider);
    QCOMPARE(slider->BackColor(), 0x00FF0000u);
    QCOMPARE(slider->ForeColor(), 255);
    QVERIFY(slider->Enabled());
    QVERIFY(slider->isEnabled());
    QCOMPARE(slider->Font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(slider->Font().pointSize(), 14);
    QCOMPARE(slider->BackStyle(), qint16(0));
    QCOMPARE(slider->BorderStyle(), qint16(1));
    QCOMPARE(slider->Min().toInt(), 2);
    QCOMPARE(slider->Max().toInt(), 12);
    QCOMPARE(slider->Value().toInt(), 5);
    QCOMPARE(slider->lblValue()->text(), QStringLiteral("5"));
}

} // namespace

class TestKQControlsPlugin : public QObject
{
    Q_OBJECT

private slots:
    void pluginLoadsAndDescribesTheSlider()
    {
        QPluginLoader loader(QStringLiteral(KQCONTROLS_PLUGIN_FILE));
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
        QVERIFY(plugin);
        QCOMPARE(plugin->name(), QStringLiteral("kqAttributeSlider"));
        QCOMPARE(plugin->group(), QStringLiteral("KQControls"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("kqattributeslider.h"));
        QVERIFY(!plugin->icon().isNull());
        QVERIFY(!plugin->toolTip().isEmpty());
        QVERIFY(!plugin->whatsThis().isEmpty());
        QVERIFY(!plugin->isContainer());
        QVERIFY(!plugin->isInitialized());
        plugin->initialize(nullptr);
        QVERIFY(plugin->isInitialized());

        QDomDocument dom;
        QVERIFY(dom.setContent(plugin->domXml()));
        const QDomElement widget = dom.documentElement().firstChildElement(QStringLiteral("widget"));
        QCOMPARE(widget.attribute(QStringLiteral("class")), QStringLiteral("kqAttributeSlider"));
        const QDomElement rect = widget.firstChildElement(QStringLiteral("property")).firstChildElement(QStringLiteral("rect"));
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(rect.firstChildElement(QStringLiteral("width")).text().toInt(),
                 pixels(screen->logicalDotsPerInchX(), 2175));
        QCOMPARE(rect.firstChildElement(QStringLiteral("height")).text().toInt(),
                 pixels(screen->logicalDotsPerInchY(), 255));
    }

    // Designer's property editor shows a custom widget's property tooltips from its domXml; each
    // described property carries its description there.
    void designerShowsThePropertyDescriptions_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("description");
        QTest::newRow("BackColor") << "BackColor" << "Returns/sets the background color used to display text and graphics in an object.";
        QTest::newRow("ForeColor") << "ForeColor" << "Returns/sets the foreground color used to display text and graphics in an object.";
        QTest::newRow("Enabled") << "EnabledProperty" << "Returns/sets a value that determines whether an object can respond to user-generated events.";
        QTest::newRow("Font") << "FontProperty" << "Returns a Font object.";
        QTest::newRow("BackStyle") << "BackStyle" << "Indicates whether a Label or the background of a Shape is transparent or opaque.";
        QTest::newRow("BorderStyle") << "BorderStyle" << "Returns/sets the border style for an object.";
    }
    void designerShowsThePropertyDescriptions()
    {
        QFETCH(QString, property);
        QFETCH(QString, description);
        QPluginLoader loader(QStringLiteral(KQCONTROLS_PLUGIN_FILE));
        auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
        QVERIFY(plugin);
        QDomDocument dom;
        QVERIFY(dom.setContent(plugin->domXml()));
        const QDomElement customWidget = dom.documentElement()
                                             .firstChildElement(QStringLiteral("customwidgets"))
                                             .firstChildElement(QStringLiteral("customwidget"));
        QCOMPARE(customWidget.firstChildElement(QStringLiteral("class")).text(), QStringLiteral("kqAttributeSlider"));
        QStringList found;
        const QDomElement specifications = customWidget.firstChildElement(QStringLiteral("propertyspecifications"));
        for (QDomElement tip = specifications.firstChildElement(QStringLiteral("tooltip")); !tip.isNull();
             tip = tip.nextSiblingElement(QStringLiteral("tooltip"))) {
            if (tip.attribute(QStringLiteral("name")) == property)
                found << tip.text();
        }
        QCOMPARE(found, QStringList{description});
    }

    void pluginCreatesAWorkingSlider()
    {
        QPluginLoader loader(QStringLiteral(KQCONTROLS_PLUGIN_FILE));
        auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
        QVERIFY(plugin);
        QWidget form;
        auto *slider = qobject_cast<kqAttributeSlider *>(plugin->createWidget(&form));
        QVERIFY(slider);
        QCOMPARE(slider->parentWidget(), &form);
        form.show();
        QSignalSpy changes(slider, &kqAttributeSlider::Change);
        QTest::mouseClick(slider->cmdUp(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(slider->lblValue()->text(), QStringLiteral("2"));
    }

    void pluginPathFindsTheBuiltPlugin()
    {
        // The test runs with QT_PLUGIN_PATH=<build>/plugins, as a user points Designer at it.
        QUiLoader loader;
        QVERIFY2(loader.availableWidgets().contains(QStringLiteral("kqAttributeSlider")),
                 qPrintable(loader.pluginPaths().join(QLatin1Char(' '))));
    }

    void designerFormLoadsItsProperties()
    {
        QFile file(QStringLiteral(SLIDER_FORM_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QUiLoader loader;
        std::unique_ptr<QWidget> form(loader.load(&file));
        QVERIFY2(form, qPrintable(loader.errorString()));
        verifyFormProperties(form->findChild<kqAttributeSlider *>(QStringLiteral("strength")));
    }

    void compiledFormSetsItsProperties()
    {
        // uic turns each property into set<Name>(): Enabled and Font must not reach QWidget's.
        QWidget form;
        Ui::SliderForm ui;
        ui.setupUi(&form);
        verifyFormProperties(ui.strength);
    }
};

QTEST_MAIN(TestKQControlsPlugin)
#include "tst_kqcontrolsplugin.moc"
