#include "analysis/ResultExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace tarnby;

namespace {

EmployeeAnalysis analysisOf(const QString& employee, const QString& cell)
{
    EmployeeAnalysis a;
    a.employee = PickerEntry::fromText(employee);
    ResultRow row;
    row.cells[ColRemark] = cell;
    a.result.rows.append(row);
    a.result.registrations.append({QStringLiteral("01"), cell, cell, cell});
    return a;
}

QJsonObject parsed(const QString& json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

TEST(ResultExport, EveryCharacterReadsBackThroughAJsonReader)
{
    QString every;
    for (char32_t c = 0; c <= 0xffff; ++c) {
        if (!QChar::isSurrogate(c))
            every += QChar(c);
    }
    every += QString::fromUtf8("😀𠀀"); // beyond the basic plane, as surrogate pairs
    const QJsonObject object = parsed(toJson(analysisOf(every, every)));
    EXPECT_EQ(object.value("employee").toString(), every);
    const QJsonObject row = object.value("rows").toArray().at(0).toObject();
    EXPECT_EQ(row.value("cells").toArray().at(ColRemark).toString(), every);
    EXPECT_EQ(object.value("registrations").toArray().at(0).toArray().at(3).toString(), every);
}

TEST(ResultExport, ControlCharactersAndLoneSurrogatesAreEscaped)
{
    const QString text = QStringLiteral("a\"b\\c\nd\re\tf") + QChar(0x01) + QChar(0x1f) + QChar(0xd800) + u'x'
                         + QChar(0xdc00);
    const QString json = toJson(analysisOf(text, QString()));
    EXPECT_TRUE(json.startsWith(QStringLiteral(R"({"employee": "a\"b\\c\nd\re\tf\u0001\u001f\ud800x\udc00",)")))
        << json.left(80).toStdString();
}

// Why the writer is not QJsonDocument: the printed layout keeps the keys in
// reading order and one row a line, which QJsonDocument gives in neither form.
TEST(ResultExport, TheLayoutIsOneQJsonDocumentCannotGive)
{
    const EmployeeAnalysis a = analysisOf(QStringLiteral("0001 张三"), QStringLiteral("*"));
    const QString ours = toJson(a);
    const QJsonObject object = parsed(ours);
    EXPECT_LT(ours.indexOf("\"rows\""), ours.indexOf("\"stats\""));
    EXPECT_LT(ours.indexOf("\"stats\""), ours.indexOf("\"registrations\""));
    for (const auto format : {QJsonDocument::Compact, QJsonDocument::Indented}) {
        const QString theirs = QString::fromUtf8(QJsonDocument(object).toJson(format));
        EXPECT_LT(theirs.indexOf("\"registrations\""), theirs.indexOf("\"rows\"")) << int(format);
        EXPECT_NE(theirs, ours);
    }
}

// The explanation rides on its row's line, after the colours, keys in the
// documented order.
TEST(ResultExport, AnExplanationStaysOnItsRowsLine)
{
    EmployeeAnalysis a = analysisOf(QStringLiteral("0001"), QString());
    a.result.explanations.append({{{QStringLiteral("08:25:13"), 0, QStringLiteral("计为 \"A上班\"")},
                                   {QStringLiteral("09:00:00"), -1, QStringLiteral("未计入")}},
                                  {QStringLiteral("迟到")}});
    const QString json = toJson(a);
    EXPECT_TRUE(json.contains(QStringLiteral(
        R"("colors": {}, "explain": {"punches": [{"time": "08:25:13", "slot": 0, "why": "计为 \"A上班\""}, )"
        R"({"time": "09:00:00", "slot": -1, "why": "未计入"}], "rules": ["迟到"]}}
 ],)")))
        << json.toStdString();
    a.result.explanations.clear();
    EXPECT_FALSE(toJson(a).contains(QStringLiteral("explain")));
}

} // namespace
