#pragma once
// The result list and its statistics as a reader of the window's language
// sees them. The analysis writes every cell in the source language: the date
// cell is the key the registrations are stored under, the remark words are
// read back by the report's grid, and the command line prints them as data.
// So only the places that show them to a person translate them, here.

#include "analysis/AnalysisTypes.h"

#include <QString>
#include <QStringList>

namespace tarnby {

// The translation contexts of the analysis's own texts: the cells below and the
// explanations of a day. The command line prints them as data, so there they
// stay in the source language.
inline const QStringList kAnalysisTextContexts = {QStringLiteral("ResultText"), QStringLiteral("DayExplanation")};

// A cell of the result list ("11月01日", "周一", "*值日/迟到"); times and the
// free text of registrations and penalties pass unchanged.
QString shownCell(int column, const QString& text);
// A statistics caption ("1.5天", "3", "有", "无").
QString shownStatistic(const QString& caption);
// A statistic's name standing alone ("值日迟到10分钟内"), as a column or a
// line of a report.
QString shownStatisticName(int statistic);
// A row with every cell as shown.
ResultRow shownRow(const ResultRow& row);

} // namespace tarnby
