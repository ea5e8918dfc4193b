#pragma once
// The handling method of a registration is built from four parts of the page:
// the prefix label, the type, the amount and the unit label. Choosing a type
// sets the other three; this is the table behind that choice.

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby {

// The prefix caption that means "no prefix"; it is never written into a method.
inline const QString kNoPrefix = QStringLiteral("——");

struct HandlingType {
    QString type;       // shown in dCmb(2)
    QString prefix;     // caption of dLab(12); kNoPrefix when there is none
    QStringList amounts; // dCmb(3), the first one selected
    QString unit;       // caption of dbLab
};

// The six types in the order of dCmb(2): 漏打, 迟到, 病假, 事假, 旷工, 处罚.
const QList<HandlingType>& handlingTypes();

// The parts for a type text; nullptr when the text is none of the six.
const HandlingType* findHandlingType(const QString& type);

// The stored method: prefix (left out when it is "——"), type, amount, unit,
// joined without separators ("不计漏打1次", "病假0.5天", "处罚5元").
QString handlingMethod(const QString& prefix, const QString& type, const QString& amount, const QString& unit);

// A keyword typed in traditional characters ("不計遲到", "曠工", "處罰") in the
// simplified form the files keep; any other text unchanged.
QString simplifiedKeyword(QString text);

} // namespace tarnby
