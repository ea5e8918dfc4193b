#include "import/PunchTable.h"

#include <gtest/gtest.h>

namespace {

using tarnby::Punch;
using tarnby::PunchTable;

TEST(PrintedRecords, AreTheRecordTextsOneALineInUtf8)
{
    const QList<Punch> punches = {
        {QStringLiteral("0015"), QStringLiteral("2013-02-20"), QStringLiteral("08:01:00")},
        {QStringLiteral("张三"), QStringLiteral("2013-2-20"), QStringLiteral("8:01")},
        {QStringLiteral("15"), QStringLiteral("二〇一三"), QString(QChar(0xD800))},
    };
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
