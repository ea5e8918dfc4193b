#include "base/EmployeeNumber.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tarnby;

namespace {

// Every rule of the system on the same pairs, so the differences between them
// are deliberate and visible: the picker and the scan pair case-blind texts,
// the registration pads digits only, the duty table's "0000" is nobody, and
// the duty page compares spellings.
TEST(EmployeeNumberRules, SideBySide)
{
    struct Row {
        const char* name;
        const char* a; // for the duty columns: the table's entry
        const char* b; // ... and the employee
        bool picker;
        bool scan;
        bool registration;
        bool concerns; // a registration numbered a concerns employee b
        bool onDuty;
        bool dutyEntry;
    };
    const Row rows[] = {
        // name                                a                  b              pick   scan   reg    conc   duty   entry
        {"1 and 0001 are the same number",     "1",               "0001",        true,  true,  true,  true,  true,  false},
        {"01 and 1 are the same number",       "01",              "1",           true,  true,  true,  true,  true,  false},
        {"zero and 0000",                      "0",               "0000",        true,  true,  true,  true,  true,  false},
        {"0000 on duty is nobody",             "0000",            "0",           true,  true,  true,  true,  false, false},
        {"0000 registers everybody",           "0000",            "7",           false, false, false, true,  false, false},
        {"different values",                   "12",              "21",          false, false, false, false, false, false},
        {"letters: case counts only for registrations", "a1",     "A1",          true,  true,  false, false, false, false},
        {"text is not padded",                 "S01",             "S1",          false, false, false, false, false, false},
        {"equal texts",                        "S01",             "S01",         true,  true,  true,  true,  true,  true},
        {"numbers longer than nine digits",    "00001234567890",  "1234567890",  true,  true,  true,  true,  true,  false},
        {"zeros and case: the clock's 15x",    "15x",             "0015X",       true,  true,  false, false, false, false},
        {"upper-casing that lengthens",        "ß",               "SS",          false, false, false, false, false, false},
        {"empty and zero: only zeros differ",  "",                "0",           true,  true,  false, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString a = QString::fromUtf8(row.a);
        const QString b = QString::fromUtf8(row.b);
        EXPECT_EQ(samePickerNumber(a, b), row.picker);
        EXPECT_EQ(sameScanNumber(a, b), row.scan);
        EXPECT_EQ(sameRegistrationNumber(a, b), row.registration);
        EXPECT_EQ(registrationConcerns(a, b), row.concerns);
        EXPECT_EQ(isOnDuty(a, b), row.onDuty);
        EXPECT_EQ(sameDutyEntry(a, PickerEntry{b, {}}), row.dutyEntry);
        // the keys stand for their rules in the lookups built on them
        EXPECT_EQ(pickerKey(a) == pickerKey(b), row.picker);
        EXPECT_EQ(scanKey(a) == scanKey(b), row.scan);
        // every rule but "0000" is symmetric
        EXPECT_EQ(samePickerNumber(b, a), row.picker);
        EXPECT_EQ(sameScanNumber(b, a), row.scan);
        EXPECT_EQ(sameRegistrationNumber(b, a), row.registration);
    }
}

TEST(EmployeeNumberRules, FormattingAndPickerTexts)
{
    EXPECT_EQ(formatEmployeeNumber("1"), QStringLiteral("000000001"));
    EXPECT_EQ(formatEmployeeNumber("0000"), QStringLiteral("000000000"));
    EXPECT_EQ(formatEmployeeNumber("a1"), QStringLiteral("a1"));
    EXPECT_EQ(PickerEntry::fromText(QStringLiteral("0001 张 三")).number, QStringLiteral("0001"));
    EXPECT_EQ(PickerEntry::fromText(QStringLiteral("0001")).number, QStringLiteral("0001"));
}

// The registration rule compares without building the padded texts; it must
// agree with comparing the padded texts on every shape of number.
TEST(EmployeeNumberRules, RegistrationRuleAgreesWithThePaddedTexts)
{
    const QStringList numbers = {"",          "0",         "00",         "0000",      "000000000", "0000000000",
                                 "5",         "05",        "000000005",  "50",        "500",       "123456789",
                                 "0123456789", "1234567890", "01234567890", "A5",     "a5",        "05A",
                                 "0x",        " 5",        "5 ",         "ZZZ",       "\u0661"};
    for (const QString& a : numbers) {
        for (const QString& b : numbers) {
            SCOPED_TRACE((a + u'|' + b).toStdString());
            EXPECT_EQ(sameRegistrationNumber(a, b), formatEmployeeNumber(a) == formatEmployeeNumber(b));
        }
    }
}

} // namespace
