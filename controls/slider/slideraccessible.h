#pragma once

#include <QAccessibleWidget>

class kqAttributeSlider;

// What assistive technology sees of a kqAttributeSlider: a slider whose value, bounds and
// step it reads as numbers, and which it raises, lowers or sets as a user would, through the
// buttons' clicks (with their bounds and their Change).
class SliderAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SliderAccessible(kqAttributeSlider *slider);

    // Makes every slider of the process answer with this interface; more calls change nothing.
    static void install();

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    kqAttributeSlider *slider() const;
};
