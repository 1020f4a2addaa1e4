// The slider's persisted properties: initialising a new instance, reading a saved one and
// writing it, entry by entry in one fixed order.
#include "kqattributeslider.h"

#include "propertyvalue.h"
#include "sliderlayout.h"

namespace {

QVariant int16(qint16 value)
{
    return QVariant::fromValue(value);
}

} // namespace

bool kqAttributeSlider::initProperties()
{
    m_foreColor = 0;
    m_enabled = false;
    m_font = font();
    m_layout->setMin(int16(1));
    m_layout->setMax(int16(6));
    m_layout->setValue(int16(1));
    return succeeded(m_layout->placeValueLabel());
}

PropertyTransfer kqAttributeSlider::readProperties(PropertyStore &store)
{
    // Each entry is applied before the next is read; the first that fails ends the reading.
    std::optional<QVariant> value;
    auto read = [&](const char *name, const QVariant &defaultValue) {
        value = store.readProperty(QLatin1String(name), defaultValue);
        return value.has_value();
    };
    auto storeFailed = [](const char *name) {
        return PropertyTransfer::failure(QLatin1String(name), QStringLiteral("the store could not be read"));
    };
    auto noConversion = [](const char *name, const char *what) {
        return PropertyTransfer::failure(QLatin1String(name),
                                         QStringLiteral("the value is no %1").arg(QLatin1String(what)));
    };

    if (!read("BackColor", QVariant::fromValue(qint32(0))))
        return storeFailed("BackColor");
    const auto backColor = toOleColorValue(*value);
    if (!backColor)
        return noConversion("BackColor", "32-bit colour");
    m_backColor = *backColor;
    update();

    if (!read("ForeColor", int16(0)))
        return storeFailed("ForeColor");
    const auto foreColor = toOleColorValue(*value);
    if (!foreColor)
        return noConversion("ForeColor", "32-bit integer");
    m_foreColor = qint32(*foreColor);

    if (!read("Enabled", int16(0)))
        return storeFailed("Enabled");
    const auto enabled = toBoolean(*value);
    if (!enabled)
        return noConversion("Enabled", "Boolean");
    m_enabled = *enabled;

    if (!read("Font", font()))
        return storeFailed("Font");
    if (value->metaType().id() != QMetaType::QFont)
        return noConversion("Font", "font");
    m_font = value->value<QFont>();

    if (!read("BackStyle", int16(1)))
        return storeFailed("BackStyle");
    const auto backStyle = toInt16(*value);
    if (!backStyle)
        return noConversion("BackStyle", "16-bit integer");
    m_backStyle = *backStyle;
    update();

    if (!read("BorderStyle", int16(0)))
        return storeFailed("BorderStyle");
    const auto borderStyle = toInt16(*value);
    if (!borderStyle)
        return noConversion("BorderStyle", "16-bit integer");
    m_borderStyle = *borderStyle;
    update();

    if (!read("Min", int16(1)))
        return storeFailed("Min");
    m_layout->setMin(*value);
    if (!read("Max", int16(6)))
        return storeFailed("Max");
    m_layout->setMax(*value);
    if (!read("Value", int16(1)))
        return storeFailed("Value");
    m_layout->setValue(*value);

    // Max's text stays on show until the container's resize lays the control out.
    if (!succeeded(m_layout->measureMaxText(true)))
        return PropertyTransfer::failure(QString(), m_error);
    return PropertyTransfer::success();
}

PropertyTransfer kqAttributeSlider::writeProperties(PropertyStore &store) const
{
    const struct
    {
        const char *name;
        QVariant value;
        QVariant defaultValue;
    } entries[] = {
        {"BackColor", QVariant::fromValue(qint32(m_backColor)), QVariant::fromValue(qint32(0))},
        {"ForeColor", QVariant::fromValue(m_foreColor), int16(0)},
        {"Enabled", QVariant(m_enabled), int16(0)},
        {"Font", QVariant(m_font), QVariant(font())},
        {"BackStyle", int16(m_backStyle), int16(1)},
        {"BorderStyle", int16(m_borderStyle), int16(0)},
        {"Min", m_layout->min(), int16(1)},
        {"Max", m_layout->max(), int16(6)},
        {"Value", m_layout->value(), int16(1)},
    };
    for (const auto &entry : entries) {
        if (!store.writeProperty(QLatin1String(entry.name), entry.value, entry.defaultValue))
            return PropertyTransfer::failure(QLatin1String(entry.name),
                                             QStringLiteral("the store could not record it"));
    }
    return PropertyTransfer::success();
}
