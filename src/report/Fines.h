#pragma once
// The fines of a report: the amount of a day's penalty "罚款…元" as money.
//
// The amount is whatever the clerk typed between "处罚" and "元" in a
// registration, so it may be Arabic digits ("50", "12.5", "1,000"), a Chinese
// numeral ("五十", "一百二十", "两百", "一千零五", "壹佰") or something nobody can
// read ("若干"). Money is kept in fen (hundredths of a yuan) so sums are exact.

#include <QString>
#include <optional>

namespace tarnby::report {

using Fen = qint64;

// The amount text read as money: blanks are removed first. Nothing when it is
// not a plain non-negative amount (empty, words, a sign, more than two decimals
// that are not zeros).
std::optional<Fen> readFineAmount(const QString& amountText);

// The penalty "罚款…元" that closes a remark of the result list, or an empty
// text when the remark names none.
QString penaltyOfRemark(const QString& remark);

// The text between "罚款" and "元" of a penalty.
QString amountTextOfPenalty(const QString& penalty);

// Yuan as the shortest decimal: 50, 12.5, 0.05.
QString yuanText(Fen fen);
double yuanValue(Fen fen);

} // namespace tarnby::report
