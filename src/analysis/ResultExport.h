#pragma once
// The result of a run as text for scripts and spreadsheets: a JSON object whose
// layout scripts may compare byte for byte, and a CSV table.

#include "analysis/AnalysisTypes.h"

#include <QList>
#include <QString>

namespace tarnby {

struct EmployeeAnalysis {
    PickerEntry employee; // the picker entry the run was for
    AnalysisResult result;
};

// "#rrggbb".
QString colorText(std::uint32_t rgb);

// One object {"employee", "rows", "stats", "registrations"}, ending in a line break.
// A result that carries explanations gives each row an "explain" object.
// `extended` adds the shift figures: to each row "shift", "rest",
// "lateMinutes", "earlyCount", "earlyMinutes", "overtimeMinutes" after its
// colours, and "extra" (the period's totals) after "stats".
QString toJson(const EmployeeAnalysis& analysis, bool extended = false);
// An array of such objects, ending in a line break.
QString toJsonArray(const QList<EmployeeAnalysis>& analyses, bool extended = false);

// Three sections, each with a header line, separated by an empty line: the
// day rows, one statistics line per employee, the registration details. Every
// line begins with the employee; lines end with CR LF; fields holding a comma,
// a quote or a line break are quoted. `extended` adds the shift figures after
// the existing columns of the day rows and of the statistics.
QString toCsv(const QList<EmployeeAnalysis>& analyses, bool extended = false);

} // namespace tarnby
