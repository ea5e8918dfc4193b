#include "base/PickerEntry.h"

#include <QCoreApplication>
#include <QHashFunctions>

namespace tarnby {
namespace {

const char* const kPlaceholder = QT_TRANSLATE_NOOP("PickerEntry", "====请选择====");
const QString kPlaceholderStart = QStringLiteral("==");

} // namespace

PickerEntry PickerEntry::fromText(const QString& text)
{
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return {text, std::nullopt};
    return {text.left(blank), text.mid(blank + 1)};
}

QString PickerEntry::text() const
{
    return name ? number + u' ' + *name : number;
}

PickerEntry PickerEntry::placeholder()
{
    return {QString::fromUtf8(kPlaceholder), std::nullopt};
}

QString PickerEntry::shownPlaceholder()
{
    return QCoreApplication::translate("PickerEntry", kPlaceholder);
}

bool PickerEntry::isPlaceholder() const
{
    // The text's first two characters are the number's: a blank ends the number.
    return number.startsWith(kPlaceholderStart);
}

size_t qHash(const PickerEntry& entry, size_t seed)
{
    return qHashMulti(seed, entry.number, entry.name.has_value(), entry.name.value_or(QString()));
}

QStringList pickerTexts(const QList<PickerEntry>& entries)
{
    QStringList texts;
    texts.reserve(entries.size());
    for (const PickerEntry& entry : entries)
        texts.append(entry.text());
    return texts;
}

} // namespace tarnby
