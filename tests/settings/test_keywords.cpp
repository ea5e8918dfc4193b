// Registration keywords typed in traditional characters are the same keywords,
// kept in the simplified form the files hold.

#include "settings/HandlingMethod.h"

#include <gtest/gtest.h>

using namespace tarnby;

TEST(Keywords, TraditionalFormsAreKeptSimplified)
{
    struct Row { const char* name; const char* prefix; const char* type; const char* amount; const char* unit; const char* stored; };
    const Row rows[] = {
        {"not counted late", "不計", "遲到", "1", "次", "不计迟到1次"},
        {"not counted absence", "不計", "曠工", "0.5", "天", "不计旷工0.5天"},
        {"a penalty", "——", "處罰", "5", "元", "处罚5元"},
        {"sick leave is written alike", "——", "病假", "1", "天", "病假1天"},
        {"the simplified form stays", "不计", "漏打", "2", "次", "不计漏打2次"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString type = QString::fromUtf8(row.type);
        ASSERT_NE(findHandlingType(type), nullptr);
        EXPECT_EQ(handlingMethod(QString::fromUtf8(row.prefix), type, QString::fromUtf8(row.amount), QString::fromUtf8(row.unit)),
                  QString::fromUtf8(row.stored));
    }
}
