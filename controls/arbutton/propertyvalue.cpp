#include "propertyvalue.h"

#include <cmath>
#include <limits>

#include <QLocale>
#include <QMetaType>

bool holdsInteger(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool holdsNumber(const QVariant &value)
{
    const int id = value.metaType().id();
    return holdsInteger(value) || id == QMetaType::Float || id == QMetaType::Double;
}

std::optional<double> numberOf(const QVariant &value)
{
    if (holdsNumber(value)) {
        const double number = value.toDouble();
        if (std::isnan(number))
            return std::nullopt;
        return number;
    }
    if (value.metaType().id() == QMetaType::QString) {
        bool ok = false;
        const double number = QLocale::c().toDouble(value.toString().trimmed(), &ok);
        if (ok && !std::isnan(number))
            return number;
    }
    return std::nullopt;
}

std::optional<qint32> roundToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode ties to even
    if (rounded < double(std::numeric_limits<qint32>::min())
        || rounded > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(rounded);
}

std::optional<qint32> toInt32(const QVariant &value)
{
    const auto number = numberOf(value);
    if (!number)
        return std::nullopt;
    return roundToInt32(*number);
}

std::optional<qint16> toInt16(const QVariant &value)
{
    const auto number = toInt32(value);
    if (!number || *number < std::numeric_limits<qint16>::min()
        || *number > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(*number);
}

std::optional<quint32> toOleColorValue(const QVariant &value)
{
    const auto number = numberOf(value);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < double(std::numeric_limits<qint32>::min())
        || rounded > double(std::numeric_limits<quint32>::max()))
        return std::nullopt;
    return quint32(qint64(rounded));
}

std::optional<bool> toBoolean(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    if (value.metaType().id() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    const auto number = numberOf(value);
    if (!number)
        return std::nullopt;
    return *number != 0.0;
}
