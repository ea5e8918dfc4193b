#include "import/PunchTable.h"

#include <gtest/gtest.h>

namespace {

using tarnby::Punch;
using tarnby::PunchTable;

TEST(PrintedRecords, AreTheRecordTextsOneALineInUtf8)
{
    QList<Punch> punches = {
        {QStringLiteral("0015"), QStringLiteral("2013-02-20"), QStringLiteral("08:01:00")},
        {QStringLiteral("张三"), QStringLiteral("2013-2-20"), QStringLiteral("8:01")},
        {QStringLiteral("15"), QStringLiteral("二〇一三"), QString(QChar(0xD800))},
    };
    // Many lines holding the very same strings beyond ASCII: the buffer grows
    // between lines that copy their number and date from the line before.
    const Punch shared{QStringLiteral("李四"), QStringLiteral("二〇一三年"), QStringLiteral("08:02:00")};
    for (int i = 0; i < 40; ++i)
        punches.append({shared.number, shared.dateText, i % 2 ? shared.timeText : QStringLiteral("九点")});
    punches.append({shared.number, QStringLiteral("2013-02-21"), shared.timeText});
    PunchTable table;
    QString expected;
    for (const Punch& punch : punches) {
        table.append(punch);
        expected += punch.text() + u'\n';
    }
    EXPECT_EQ(table.printedRecords(), expected.toUtf8());
    EXPECT_TRUE(PunchTable().printedRecords().isEmpty());
}

} // namespace
