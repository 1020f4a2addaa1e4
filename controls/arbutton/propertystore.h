#pragma once

#include <optional>

#include <QString>
#include <QVariant>

// A container's store of a control's persisted properties: named entries, each one variant.
// The control decides which entries exist, their order and their defaults; the store decides
// how they are kept. ARButton and the KQControls slider both save and restore through it.
class PropertyStore
{
public:
    virtual ~PropertyStore() = default;

    // The entry's stored value, or defaultValue when the store has no such entry. nullopt
    // when the store itself cannot be read (a damaged file, a lost connection).
    virtual std::optional<QVariant> readProperty(const QString &name, const QVariant &defaultValue) = 0;

    // Records value under name. A store may leave out a value equal to defaultValue, since
    // reading gives that default back. false when the store cannot record it.
    virtual bool writeProperty(const QString &name, const QVariant &value, const QVariant &defaultValue) = 0;

protected:
    PropertyStore() = default;
    PropertyStore(const PropertyStore &) = default;
    PropertyStore &operator=(const PropertyStore &) = default;
};

// How a read or write of a control's properties ended. On failure it names the entry it
// stopped at; entries before it were applied (or written), the later ones were not touched.
struct PropertyTransfer
{
    bool ok = true;
    QString failedEntry;
    QString reason;

    static PropertyTransfer success() { return {}; }
    static PropertyTransfer failure(const QString &entry, const QString &why)
    {
        return {false, entry, why};
    }
    explicit operator bool() const { return ok; }
};
