#include "slideraccessible.h"

#include <QAbstractButton>

#include "kqattributeslider.h"

namespace {

QAccessibleInterface *sliderFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("kqAttributeSlider") && object && object->isWidgetType())
        return new SliderAccessible(static_cast<kqAttributeSlider *>(object));
    return nullptr;
}

} // namespace

SliderAccessible::SliderAccessible(kqAttributeSlider *slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{
}

void SliderAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(sliderFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

kqAttributeSlider *SliderAccessible::slider() const
{
    return static_cast<kqAttributeSlider *>(widget());
}

void *SliderAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString SliderAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return slider()->Value().toString();
    return QAccessibleWidget::text(t);
}

QVariant SliderAccessible::currentValue() const
{
    return slider()->Value();
}

void SliderAccessible::setCurrentValue(const QVariant &value)
{
    // One click at a time toward the value asked for, until it is reached or a bound stops it.
    bool ok = false;
    const double target = value.toDouble(&ok);
    if (!ok)
        return;
    for (;;) {
        const double now = slider()->Value().toDouble();
        QAbstractButton *button = now < target ? slider()->cmdUp() : now > target ? slider()->cmdDown() : nullptr;
        if (!button)
            return;
        button->click();
        if (slider()->Value().toDouble() == now)
            return;
    }
}

QVariant SliderAccessible::maximumValue() const
{
    return slider()->Max();
}

QVariant SliderAccessible::minimumValue() const
{
    return slider()->Min();
}

QVariant SliderAccessible::minimumStepSize() const
{
    return 1;
}

QStringList SliderAccessible::actionNames() const
{
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
}

void SliderAccessible::doAction(const QString &actionName)
{
    if (actionName == increaseAction())
        slider()->cmdUp()->click();
    else if (actionName == decreaseAction())
        slider()->cmdDown()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
