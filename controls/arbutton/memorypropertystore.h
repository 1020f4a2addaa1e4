#pragma once

#include <QHash>
#include <QStringList>

#include "propertystore.h"

// A property store held in memory: what a container uses to copy a control (write into it,
// read a new instance from it) and what tests use to look at the entries a control writes.
// It records every value, defaults included, and remembers the order of first writes.
class MemoryPropertyStore final : public PropertyStore
{
public:
    std::optional<QVariant> readProperty(const QString &name, const QVariant &defaultValue) override
    {
        const auto it = m_entries.constFind(name);
        return it == m_entries.constEnd() ? defaultValue : *it;
    }

    bool writeProperty(const QString &name, const QVariant &value, const QVariant &) override
    {
        if (!m_entries.contains(name))
            m_order.append(name);
        m_entries.insert(name, value);
        return true;
    }

    bool contains(const QString &name) const { return m_entries.contains(name); }
    QVariant value(const QString &name) const { return m_entries.value(name); }
    // Entry names in the order they were first written.
    const QStringList &names() const { return m_order; }
    // Sets an entry directly, as a container restoring a saved form would.
    void setValue(const QString &name, const QVariant &value)
    {
        writeProperty(name, value, QVariant());
    }
    void clear()
    {
        m_entries.clear();
        m_order.clear();
    }

private:
    QHash<QString, QVariant> m_entries;
    QStringList m_order;
};
