#include "SettingsBoxRules.h"

#include "MonthFile.h"

#include <algorithm>

namespace tarnby::settingsbox {

Kind kindOf(int box)
{
    if (box < kFirstTimeBox || box > kLastTimeBox)
        return Kind::Text;
    return box % 2 == 0 ? Kind::Hour : Kind::Minute;
}

Left leave(int box, const QString& text)
{
    const Kind kind = kindOf(box);
    if (kind == Kind::Text)
        return {text.toUpper()};
    const int value = monthfile::boxValue(text);
    if ((kind == Kind::Minute && value >= 60) || (kind == Kind::Hour && value > 24))
        return {text, true};
    QString out = kind == Kind::Hour && value == 24 ? QStringLiteral("0") : text;
    if (out.isEmpty())
        out = QStringLiteral("00");
    else if (out.size() == 1)
        out.prepend(u'0');
    return {out};
}

QString cellError(const QString& text)
{
    const bool ok = text.size() == 2 && text.at(0) >= u'A' && text.at(0) <= u'Z' && text.at(1) >= u'1'
                    && text.at(1) <= u'9';
    return ok ? QString() : kBadCellMessage;
}

EntryCheck checkEntry(const QString& number, const QString& name)
{
    auto splits = [](const QString& text) {
        return std::any_of(text.begin(), text.end(),
                           [](QChar c) { return c.isSpace() || c == u',' || c == QChar(0xFF0C); });
    };
    if (number.isEmpty())
        return {kNoNumberMessage, 0};
    if (name.isEmpty())
        return {kNoNameMessage, 1};
    if (splits(number))
        return {kSeparatorInEntryMessage, 0};
    if (splits(name))
        return {kSeparatorInEntryMessage, 1};
    if (hashBreaksField(number))
        return {kHashInEntryMessage, 0};
    if (hashBreaksField(name))
        return {kHashInEntryMessage, 1};
    if (number == QStringLiteral("0000"))
        return {kReservedNumberMessage, 0};
    return {};
}

bool hashBreaksField(const QString& text)
{
    return text.contains(QStringLiteral("##")) || text.startsWith(u'#') || text.endsWith(u'#');
}

} // namespace tarnby::settingsbox
