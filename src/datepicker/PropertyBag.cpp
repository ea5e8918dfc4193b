#include "datepicker/PropertyBag.h"

#include <limits>
#include <utility>

namespace lundar {

namespace {

// Whole numbers only: a colour saved as text or as a fraction is not a colour.
bool readInteger(const QVariant& v, qint64* out)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        break;
    default:
        return false;
    }
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok)
        return false;
    *out = n;
    return true;
}

} // namespace

class PropertyBagPrivate : public QSharedData {
public:
    explicit PropertyBagPrivate(QVariantMap e = {}) : entries(std::move(e)) {}

    QVariantMap entries;
};

PropertyBag::PropertyBag() : d(new PropertyBagPrivate) {}
PropertyBag::PropertyBag(QVariantMap entries) : d(new PropertyBagPrivate(std::move(entries))) {}
PropertyBag::PropertyBag(const PropertyBag& other) = default;
PropertyBag::PropertyBag(PropertyBag&& other) noexcept = default;
PropertyBag& PropertyBag::operator=(const PropertyBag& other) = default;
PropertyBag& PropertyBag::operator=(PropertyBag&& other) noexcept = default;
PropertyBag::~PropertyBag() = default;

bool PropertyBag::contains(const QString& key) const
{
    return d->entries.contains(key);
}

QStringList PropertyBag::keys() const
{
    return d->entries.keys();
}

QVariantMap PropertyBag::toMap() const
{
    return d->entries;
}

void PropertyBag::clear()
{
    d->entries.clear();
}

std::uint32_t PropertyBag::readColor(const QString& key, std::uint32_t fallback) const
{
    qint64 n = 0;
    if (!readInteger(d->entries.value(key), &n))
        return fallback;
    // A 32-bit colour may have been stored signed (system colours set the top bit).
    if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::uint32_t>::max())
        return fallback;
    return static_cast<std::uint32_t>(n);
}

bool PropertyBag::readBool(const QString& key, bool fallback) const
{
    const QVariant v = d->entries.value(key);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    qint64 n = 0;
    if (readInteger(v, &n))
        return n != 0;
    return fallback;
}

std::int16_t PropertyBag::readInt16(const QString& key, std::int16_t fallback) const
{
    qint64 n = 0;
    if (!readInteger(d->entries.value(key), &n))
        return fallback;
    if (n < std::numeric_limits<std::int16_t>::min() || n > std::numeric_limits<std::int16_t>::max())
        return fallback;
    return static_cast<std::int16_t>(n);
}

QDateTime PropertyBag::readDateTime(const QString& key, const QDateTime& fallback) const
{
    const QVariant v = d->entries.value(key);
    QDateTime dt;
    if (v.typeId() == QMetaType::QDateTime)
        dt = v.toDateTime();
    else if (v.typeId() == QMetaType::QDate)
        dt = QDateTime(v.toDate(), QTime(0, 0));
    return dt.isValid() ? dt : fallback;
}

void PropertyBag::writeColor(const QString& key, std::uint32_t value, std::uint32_t defaultValue)
{
    put(key, QVariant::fromValue<quint32>(value), value == defaultValue);
}

void PropertyBag::writeBool(const QString& key, bool value, bool defaultValue)
{
    put(key, QVariant(value), value == defaultValue);
}

void PropertyBag::writeInt16(const QString& key, std::int16_t value, std::int16_t defaultValue)
{
    put(key, QVariant::fromValue<qint16>(value), value == defaultValue);
}

void PropertyBag::writeDateTime(const QString& key, const QDateTime& value, const QDateTime& defaultValue)
{
    // Dates are naive: compared by their calendar day and time of day, whatever
    // time zone setting the host built them with.
    put(key, QVariant(value), value.date() == defaultValue.date() && value.time() == defaultValue.time());
}

void PropertyBag::put(const QString& key, const QVariant& value, bool isDefault)
{
    if (isDefault)
        d->entries.remove(key);
    else
        d->entries.insert(key, value);
}

} // namespace lundar
