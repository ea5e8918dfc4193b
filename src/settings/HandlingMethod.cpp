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
    for (const HandlingType& t : handlingTypes()) {
        if (t.type == type)
            return &t;
    }
    return nullptr;
}

QString handlingMethod(const QString& prefix, const QString& type, const QString& amount, const QString& unit)
{
    return (prefix == kNoPrefix ? QString() : prefix) + type + amount + unit;
}

} // namespace tarnby
