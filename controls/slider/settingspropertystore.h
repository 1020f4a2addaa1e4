#pragma once

#include <QtGlobal>

#include "kqcontrols_export.h"
#include "propertystore.h"

class QSettings;

// A property store on QSettings, for hosts that keep their forms' controls in the user's
// settings. Entries are keys of the settings' current group (begin a group per control).
// Each value is written with its type, so that a 16-bit Min comes back as a 16-bit Min and a
// font as a font; a value written by hand (plain text) is read as that text.
class KQCONTROLS_EXPORT SettingsPropertyStore final : public PropertyStore
{
    Q_DISABLE_COPY_MOVE(SettingsPropertyStore)

public:
    explicit SettingsPropertyStore(QSettings &settings);

    std::optional<QVariant> readProperty(const QString &name, const QVariant &defaultValue) override;
    bool writeProperty(const QString &name, const QVariant &value, const QVariant &defaultValue) override;

private:
    QSettings &m_settings;
};
