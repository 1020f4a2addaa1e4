#include "settingspropertystore.h"

#include <QDataStream>
#include <QFont>
#include <QIODevice>
#include <QSettings>

namespace {

// Marks a value that carries its own type; anything else in the settings is taken as it is.
const QByteArray typedValueTag = QByteArrayLiteral("KQVariant1:");
constexpr QDataStream::Version streamVersion = QDataStream::Qt_6_4;

// A font is kept as its text form: the stream form of a font holds counts that reading trusts,
// and a damaged file could make it reserve gigabytes.
const QByteArray fontValueTag = QByteArrayLiteral("KQFont1:");

QByteArray typedValue(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QFont)
        return fontValueTag + value.value<QFont>().toString().toUtf8();
    QByteArray bytes = typedValueTag;
    QDataStream stream(&bytes, QIODevice::WriteOnly | QIODevice::Append);
    stream.setVersion(streamVersion);
    stream << value;
    return bytes;
}

// The types a typed value may hold. Reading a value of any other type (a list, a map, a font)
// reserves whatever count the stream claims, which a damaged file sets to billions.
bool isSafeToRead(int typeId)
{
    switch (typeId) {
    case QMetaType::Bool: case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong:
    case QMetaType::ULongLong: case QMetaType::Double: case QMetaType::Float: case QMetaType::Long:
    case QMetaType::ULong: case QMetaType::Short: case QMetaType::UShort: case QMetaType::Char:
    case QMetaType::SChar: case QMetaType::UChar: case QMetaType::QString: case QMetaType::QByteArray:
        return true;
    default:
        return false;
    }
}

std::optional<QVariant> untypedValue(const QByteArray &bytes)
{
    QDataStream stream(bytes.mid(typedValueTag.size()));
    stream.setVersion(streamVersion);
    quint32 typeId = 0;
    stream >> typeId; // a stored variant begins with its type
    if (stream.status() != QDataStream::Ok || !isSafeToRead(int(typeId)))
        return std::nullopt;
    stream.device()->seek(0);
    QVariant value;
    stream >> value;
    if (stream.status() != QDataStream::Ok)
        return std::nullopt;
    return value;
}

} // namespace

SettingsPropertyStore::SettingsPropertyStore(QSettings &settings)
    : m_settings(settings)
{
}

std::optional<QVariant> SettingsPropertyStore::readProperty(const QString &name, const QVariant &defaultValue)
{
    if (m_settings.status() != QSettings::NoError)
        return std::nullopt;
    if (!m_settings.contains(name))
        return defaultValue;
    const QVariant stored = m_settings.value(name);
    if (stored.metaType().id() == QMetaType::QByteArray) {
        const QByteArray bytes = stored.toByteArray();
        if (bytes.startsWith(typedValueTag))
            return untypedValue(bytes);
        if (bytes.startsWith(fontValueTag)) {
            QFont font;
            if (!font.fromString(QString::fromUtf8(bytes.mid(fontValueTag.size()))))
                return std::nullopt;
            return QVariant(font);
        }
    }
    return stored;
}

// Every value is recorded, defaults included: a saved form then reads back the same even if
// a later version changes a default.
bool SettingsPropertyStore::writeProperty(const QString &name, const QVariant &value, const QVariant &)
{
    if (!m_settings.isWritable() || m_settings.status() != QSettings::NoError)
        return false;
    m_settings.setValue(name, typedValue(value));
    return true;
}
