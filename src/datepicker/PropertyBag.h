#pragma once
// The container's store of a control's persistent properties: key → value.
// Reading takes a fallback that stands in for a missing or unreadable entry;
// writing takes the property's default and stores nothing when the value
// equals it, so that a control left at its defaults leaves the bag empty.

#include "lundar_export.h"

#include <QDateTime>
#include <QSharedDataPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <cstdint>

namespace lundar {

class PropertyBagPrivate;

// A value: copies share their entries until one of them writes.
class LUNDAR_EXPORT PropertyBag {
public:
    PropertyBag();
    explicit PropertyBag(QVariantMap entries);
    PropertyBag(const PropertyBag& other);
    PropertyBag(PropertyBag&& other) noexcept;
    PropertyBag& operator=(const PropertyBag& other);
    PropertyBag& operator=(PropertyBag&& other) noexcept;
    ~PropertyBag();

    bool contains(const QString& key) const;
    QStringList keys() const;
    QVariantMap toMap() const;
    void clear();

    // Typed reads: a missing entry, or one that does not hold a value of the
    // property's type and range, gives the fallback.
    std::uint32_t readColor(const QString& key, std::uint32_t fallback) const;
    bool readBool(const QString& key, bool fallback) const;
    std::int16_t readInt16(const QString& key, std::int16_t fallback) const;
    QDateTime readDateTime(const QString& key, const QDateTime& fallback) const;

    // Store value under key unless it equals defaultValue; a stale entry from an
    // earlier save is removed in that case, so the bag always says what a load
    // would need.
    void writeColor(const QString& key, std::uint32_t value, std::uint32_t defaultValue);
    void writeBool(const QString& key, bool value, bool defaultValue);
    void writeInt16(const QString& key, std::int16_t value, std::int16_t defaultValue);
    void writeDateTime(const QString& key, const QDateTime& value, const QDateTime& defaultValue);

private:
    void put(const QString& key, const QVariant& value, bool isDefault);

    QSharedDataPointer<PropertyBagPrivate> d;
};

} // namespace lundar
