#include "slidernumber.h"

#include <cmath>
#include <limits>

#include <QMetaType>
#include <QtNumeric>

#include "propertyvalue.h"

namespace {

bool isUnsignedWide(const QVariant &value)
{
    const int id = value.metaType().id();
    return id == QMetaType::ULongLong || (id == QMetaType::ULong && sizeof(ulong) == 8);
}

// A whole number held exactly: 64-bit unsigned values above the signed range keep their
// magnitude apart so that nothing is lost in a comparison.
struct WholeNumber
{
    bool big = false; // true: magnitude in u, above the qint64 range
    qint64 s = 0;
    quint64 u = 0;
};

WholeNumber wholeNumberOf(const QVariant &value)
{
    WholeNumber n;
    if (isUnsignedWide(value)) {
        const quint64 u = value.toULongLong();
        if (u > quint64(std::numeric_limits<qint64>::max())) {
            n.big = true;
            n.u = u;
            return n;
        }
        n.s = qint64(u);
        return n;
    }
    n.s = value.toLongLong();
    return n;
}

template<typename T>
std::optional<QVariant> offsetWithin(const QVariant &value, int delta)
{
    const qint64 result = qint64(value.value<T>()) + delta;
    if (result >= qint64(std::numeric_limits<T>::min()) && result <= qint64(std::numeric_limits<T>::max()))
        return QVariant::fromValue(T(result));
    return std::nullopt;
}

} // namespace

std::optional<std::partial_ordering> compareNumbers(const QVariant &a, const QVariant &b)
{
    if (holdsInteger(a) && holdsInteger(b)) {
        const WholeNumber x = wholeNumberOf(a);
        const WholeNumber y = wholeNumberOf(b);
        if (x.big || y.big) {
            if (x.big && y.big)
                return x.u <=> y.u;
            return x.big ? std::partial_ordering::greater : std::partial_ordering::less;
        }
        return x.s <=> y.s;
    }
    const auto x = numberOf(a);
    const auto y = numberOf(b);
    if (!x || !y)
        return std::nullopt;
    return *x <=> *y;
}

std::optional<QVariant> offsetNumber(const QVariant &value, int delta)
{
    std::optional<QVariant> kept;
    switch (value.metaType().id()) {
    case QMetaType::Short:
        kept = offsetWithin<qint16>(value, delta);
        return kept ? kept : offsetWithin<qint32>(value, delta);
    case QMetaType::UShort:
        kept = offsetWithin<quint16>(value, delta);
        return kept ? kept : offsetWithin<qint32>(value, delta);
    case QMetaType::SChar:
        kept = offsetWithin<qint8>(value, delta);
        return kept ? kept : offsetWithin<qint16>(value, delta);
    case QMetaType::Char:
        kept = offsetWithin<char>(value, delta);
        return kept ? kept : offsetWithin<qint16>(value, delta);
    case QMetaType::UChar:
        kept = offsetWithin<quint8>(value, delta);
        return kept ? kept : offsetWithin<qint16>(value, delta);
    case QMetaType::Int:
        kept = offsetWithin<qint32>(value, delta);
        return kept ? kept : QVariant::fromValue(qint64(value.toInt()) + delta);
    case QMetaType::UInt:
        kept = offsetWithin<quint32>(value, delta);
        return kept ? kept : QVariant::fromValue(qint64(value.toUInt()) + delta);
    case QMetaType::Long:
    case QMetaType::LongLong: {
        qint64 result = 0;
        if (!qAddOverflow(value.toLongLong(), qint64(delta), &result))
            return value.metaType().id() == QMetaType::Long ? QVariant::fromValue(long(result))
                                                             : QVariant::fromValue(result);
        return QVariant(double(value.toLongLong()) + delta);
    }
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const quint64 u = value.toULongLong();
        if (delta < 0 && u < quint64(-delta))
            return QVariant::fromValue(qint64(u) + delta);
        quint64 result = 0;
        if (delta >= 0 && qAddOverflow(u, quint64(delta), &result))
            return QVariant(double(u) + delta);
        result = delta >= 0 ? u + quint64(delta) : u - quint64(-delta);
        return value.metaType().id() == QMetaType::ULong ? QVariant::fromValue(ulong(result))
                                                          : QVariant::fromValue(result);
    }
    case QMetaType::Float:
        return QVariant(value.toFloat() + float(delta));
    case QMetaType::Double:
        return QVariant(value.toDouble() + delta);
    default:
        break;
    }
    const auto number = numberOf(value);
    if (!number)
        return std::nullopt;
    return QVariant(*number + delta);
}

QString numberText(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Char:
    case QMetaType::SChar:
        return QString::number(int(value.value<qint8>()));
    case QMetaType::UChar:
        return QString::number(uint(value.value<quint8>()));
    default:
        return value.toString();
    }
}
