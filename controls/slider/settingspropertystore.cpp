#include "settingspropertystore.h"

#include <QDataStream>
#include <QIODevice>
#include <QSettings>

namespace {

// Marks a value that carries its own type; anything else in the settings is taken as it is.
const QByteArray typedValueTag = QByteArrayLiteral("KQVariant1:");
constexpr QDataStream::Version streamVersion = QDataStream::Qt_6_4;

QByteArray typedValue(const QVariant &value)
{
    QByteArray bytes = typedValueTag;
    QDataStream stream(&bytes, QIODevice::WriteOnly | QIODevice::Append);
    stream.setVersion(streamVersion);
    stream << value;
    return bytes;
}

std::optional<QVariant> untypedValue(const QByteArray &bytes)
{
    QDataStream stream(bytes.mid(typedValueTag.size()));
    stream.setVersion(streamVersion);
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
