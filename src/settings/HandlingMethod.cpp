#include "HandlingMethod.h"

namespace tarnby {

const QList<HandlingType>& handlingTypes()
{
    static const QString kNotCounted = QStringLiteral("不计");
    static const QStringList kTimes = {QStringLiteral("1"), QStringLiteral("2")};
    static const QStringList kDays = {QStringLiteral("0.5"), QStringLiteral("1")};
    static const QList<HandlingType> types = {
        {QStringLiteral("漏打"), kNotCounted, kTimes, QStringLiteral("次")},
        {QStringLiteral("迟到"), kNotCounted, kTimes, QStringLiteral("次")},
        {QStringLiteral("病假"), kNoPrefix, kDays, QStringLiteral("天")},
        {QStringLiteral("事假"), kNoPrefix, kDays, QStringLiteral("天")},
        {QStringLiteral("旷工"), kNotCounted, kDays, QStringLiteral("天")},
        {QStringLiteral("处罚"), kNoPrefix,
         {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"), QStringLiteral("50"),
          QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500")},
         QStringLiteral("元")},
    };
    return types;
}

const HandlingType* findHandlingType(const QString& type)
{
    const QString simplified = simplifiedKeyword(type);
    for (const HandlingType& t : handlingTypes()) {
        if (t.type == simplified)
            return &t;
    }
    return nullptr;
}

QString handlingMethod(const QString& prefix, const QString& type, const QString& amount, const QString& unit)
{
    return simplifiedKeyword((prefix == kNoPrefix ? QString() : prefix) + type + amount + unit);
}

QString simplifiedKeyword(QString text)
{
    // Only the characters of the keywords differ between the two forms.
    static const std::pair<char16_t, char16_t> kForms[] = {
        {u'計', u'计'}, {u'遲', u'迟'}, {u'曠', u'旷'}, {u'處', u'处'}, {u'罰', u'罚'}};
    for (const auto& [traditional, simplified] : kForms)
        text.replace(QChar(traditional), QChar(simplified));
    return text;
}

} // namespace tarnby
