#include "kqattributesliderplugin.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMetaClassInfo>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QScreen>

#include "kqattributeslider.h"
#include "twips.h"

namespace {

// A miniature of the control: black bar, grey-framed arrow buttons, a yellow value.
QPixmap drawIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(0, 11, 32, 11, Qt::black);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 11, 10, 10);
    painter.drawRect(21, 11, 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygon({QPoint(7, 13), QPoint(7, 19), QPoint(3, 16)}));
    painter.drawPolygon(QPolygon({QPoint(24, 13), QPoint(24, 19), QPoint(28, 16)}));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(14, 13, 3, 7);
    return pixmap;
}

// The slider's property descriptions, as Designer's property editor shows them on hovering a
// property: one tooltip for each class info that names a property of the slider.
QString propertyToolTips()
{
    const QMetaObject &meta = kqAttributeSlider::staticMetaObject;
    QString tips;
    for (int i = meta.classInfoOffset(); i < meta.classInfoCount(); ++i) {
        const QMetaClassInfo info = meta.classInfo(i);
        if (meta.indexOfProperty(info.name()) < meta.propertyOffset())
            continue;
        tips += QStringLiteral("     <tooltip name=\"%1\">%2</tooltip>\n")
                    .arg(QString::fromLatin1(info.name()), QString::fromLatin1(info.value()).toHtmlEscaped());
    }
    return tips;
}

} // namespace

KqAttributeSliderPlugin::KqAttributeSliderPlugin(QObject *parent)
    : QObject(parent)
{
}

QString KqAttributeSliderPlugin::name() const
{
    return QStringLiteral("kqAttributeSlider");
}

QString KqAttributeSliderPlugin::group() const
{
    return QStringLiteral("KQControls");
}

QString KqAttributeSliderPlugin::toolTip() const
{
    return QStringLiteral("Attribute slider: a whole-number rating between a down and an up button");
}

QString KqAttributeSliderPlugin::whatsThis() const
{
    return QStringLiteral(
        "A horizontal picker for a whole-number rating (1 to 6 by default). The value moves "
        "between a left-pointing button, which lowers it, and a right-pointing button, which "
        "raises it, and Change is raised after each click that changes it. Set Min, Max and "
        "Value, the colours and styles in the property editor.");
}

QString KqAttributeSliderPlugin::includeFile() const
{
    return QStringLiteral("kqattributeslider.h");
}

QIcon KqAttributeSliderPlugin::icon() const
{
    return QIcon(drawIcon());
}

bool KqAttributeSliderPlugin::isContainer() const
{
    return false;
}

QWidget *KqAttributeSliderPlugin::createWidget(QWidget *parent)
{
    return new kqAttributeSlider(parent);
}

bool KqAttributeSliderPlugin::isInitialized() const
{
    return m_initialized;
}

void KqAttributeSliderPlugin::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

// The control is designed at 2175 x 255 twips; a new one on a form takes that size at the
// screen's logical DPI. The property descriptions go with it to the property editor.
QString KqAttributeSliderPlugin::domXml() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"kqAttributeSlider\" name=\"kqAttributeSlider\">\n"
               "  <property name=\"geometry\">\n"
               "   <rect><x>0</x><y>0</y><width>%1</width><height>%2</height></rect>\n"
               "  </property>\n"
               " </widget>\n"
               " <customwidgets>\n"
               "  <customwidget>\n"
               "   <class>kqAttributeSlider</class>\n"
               "   <propertyspecifications>\n"
               "%3"
               "   </propertyspecifications>\n"
               "  </customwidget>\n"
               " </customwidgets>\n"
               "</ui>\n")
        .arg(Twips::toPixels(kqAttributeSlider::designWidthTwips, dpiX))
        .arg(Twips::toPixels(kqAttributeSlider::designHeightTwips, dpiY))
        .arg(propertyToolTips());
}
