#include "LayoutTwins.h"

#include "TestPackage.h"
#include "TestWorkbook.h"
#include "import/CellText.h"

#include <QFile>
#include <QMap>
#include <QStringEncoder>
#include <algorithm>
#include <stdexcept>

namespace layouttest {
namespace {

using tarnby::SkipReason;
using tarnby::xls::test::TestWorkbook;

Value text(const QString& t) { return {Value::Text, 0, t}; }
Value number(double v) { return {Value::Number, v, {}}; }
Value dateTime(const QDate& d, const QTime& t)
{
    return {Value::DateTime, TestWorkbook::serial(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()), {}};
}
Value date(const QDate& d) { return {Value::Date, TestWorkbook::serial(d.year(), d.month(), d.day()), {}}; }
Value time(const QTime& t) { return {Value::Time, t.msecsSinceStartOfDay() / 86400000.0, {}}; }

const char* const kFormats[] = {"yyyy\\-mm\\-dd\\ hh:mm:ss", "yyyy\\-mm\\-dd", "hh:mm"};

QString asText(const Value& v)
{
    switch (v.type) {
    case Value::Text: return v.text;
    case Value::Number: return *tarnby::cells::numberText(v.number);
    case Value::DateTime: return *tarnby::cells::dateTimeFromSerial(v.number);
    case Value::Date: return tarnby::cells::dateTimeFromSerial(v.number)->left(10);
    case Value::Time: break;
    }
    return tarnby::cells::dateTimeFromSerial(v.number)->mid(11, 5);
}

QList<std::tuple<int, int, Value>> sorted(QList<std::tuple<int, int, Value>> cells)
{
    std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    return cells;
}

void writeXls(const Book& book, const QString& path)
{
    TestWorkbook out;
    for (int s = 0; s < book.size(); ++s) {
        if (s > 0)
            out.addSheet(book[s].name);
        for (const auto& [row, column, v] : book[s].cells) {
            if (v.type == Value::Text)
                out.text(row, column, v.text);
            else
                out.number(row, column, v.number, v.type == Value::Number ? QString() : QString::fromLatin1(kFormats[v.type - 2]).remove(u'\\'));
        }
    }
    QString error;
    if (!out.save(path, &error))
        throw std::runtime_error(error.toStdString());
}

QByteArray xlsxSheet(const SheetCells& sheet)
{
    tarnby::xlsx::test::XlsxSheet xml;
    int lastRow = -1;
    for (const auto& [row, column, v] : sorted(sheet.cells)) {
        if (row != lastRow)
            xml.row(row + 1);
        lastRow = row;
        const QString ref = tarnby::columnName(column);
        if (v.type == Value::Text)
            xml.inlineText(ref, v.text);
        else
            xml.number(ref, v.number, v.type == Value::Number ? 0 : v.type - 1);
    }
    return xml.xml();
}

void writeXlsx(const Book& book, const QString& path)
{
    tarnby::xlsx::test::WorkbookOptions o;
    for (const char* format : kFormats)
        o.customFormats.append(QString::fromLatin1(format));
    o.cellFormats = {0, 164, 165, 166};
    for (int s = 0; s + 1 < book.size(); ++s)
        o.sheetsBefore.append(xlsxSheet(book[s]));
    const QByteArray last = tarnby::xlsx::test::TestPackage::sheetDocument(xlsxSheet(book.last()), o);
    if (!tarnby::xlsx::test::TestPackage::workbookWithSheetXml(last, o).save(path))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void writeText(const SheetCells& sheet, bool dat, const QString& path)
{
    QList<QStringList> lines;
    for (const auto& [row, column, v] : sheet.cells) {
        while (lines.size() <= row)
            lines.append(QStringList());
        while (lines[row].size() <= column)
            lines[row].append(QString());
        QString field = asText(v);
        if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\t'))
            field = u'"' + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        lines[row][column] = field;
    }
    // every line as wide as the widest, as a spreadsheet saves it (a .dat's
    // first line must hold a tab to be read as tab-separated)
    qsizetype width = 0;
    for (const QStringList& fields : lines)
        width = std::max(width, fields.size());
    QString all;
    for (QStringList fields : lines) {
        fields.resize(width);
        all += fields.join(dat ? u'\t' : u',') + QStringLiteral("\r\n");
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(dat ? QStringEncoder("GBK")(all) : all.toUtf8());
}

QString hhmm(const QTime& t)
{
    return t.toString(QStringLiteral("HH:mm"));
}

} // namespace

QString extension(Format format)
{
    static const char* const names[] = {".xls", ".xlsx", ".csv", ".dat"};
    return QString::fromLatin1(names[int(format)]);
}

void write(const Book& book, Format format, const QString& path)
{
    switch (format) {
    case Format::Xls: return writeXls(book, path);
    case Format::Xlsx: return writeXlsx(book, path);
    case Format::Csv:
    case Format::Dat: return writeText(book.last(), format == Format::Dat, path);
    }
}

Book grid(const Punches& days, const QDate& first, const QDate& last, bool oneToThirtyOne)
{
    SheetCells summary{QStringLiteral("考勤汇总"), {}}, schedule{QStringLiteral("排班信息"), {}};
    summary.put(0, 0, text("考勤汇总表")).put(1, 0, text("工号")).put(1, 1, text("姓名")).put(1, 2, text("出勤天数"));
    summary.put(2, 0, text(days.first().number)).put(2, 1, text(days.first().name)).put(2, 2, number(20));
    schedule.put(0, 0, text("班次")).put(0, 1, text("上班")).put(0, 2, text("下班"));
    schedule.put(1, 0, number(1)).put(1, 1, text("08:30")).put(1, 2, text("17:30"));

    SheetCells sheet{QStringLiteral("刷卡记录"), {}};
    sheet.put(0, 0, text("考勤记录表"));
    const QString period = first.month() == 10
                               ? first.toString(u"yyyy-MM-dd") + QStringLiteral(" ~ ") + last.toString(u"yyyy-MM-dd")
                                     + QStringLiteral("（总公司）")
                               : first.toString(u"yyyy/MM/dd") + QStringLiteral(" ~ ") + last.toString(u"MM/dd");
    sheet.put(2, 0, text("考勤日期：")).put(2, 2, text(period));
    auto columnOf = [&](const QDate& d) { return int(oneToThirtyOne ? d.day() - 1 : first.daysTo(d)); };
    const int dayCount = oneToThirtyOne ? 31 : int(first.daysTo(last) + 1);
    for (int c = 0; c < dayCount; ++c)
        sheet.put(3, c, number(oneToThirtyOne ? c + 1 : first.addDays(c).day()));

    int row = 3;
    QString current;
    for (const DayPunches& day : days) {
        if (day.number != current) {
            current = day.number;
            row += 2;
            sheet.put(row, 0, text("工 号：")).put(row, 2, text(day.number)).put(row, 8, text("姓 名："));
            sheet.put(row, 10, text(day.name));
        }
        QStringList times;
        for (const QTime& t : day.times)
            times << hhmm(t);
        // the first employee's first day holds a time no clock writes, beside real ones
        if (row == 5 && day.date == days.first().date)
            times << QStringLiteral("25:61");
        sheet.put(row + 1, columnOf(day.date), times.size() == 1 ? time(day.times.first()) : text(times.join(u'\n')));
    }
    sheet.put(row + 2, 0, text("工 号：")).put(row + 2, 8, text("姓 名：")).put(row + 3, 0, text("08:00"));
    return {summary, schedule, sheet};
}

Book headerTable(const Punches& days, Shape shape)
{
    SheetCells sheet{QStringLiteral("打卡记录"), {}};
    sheet.put(0, 0, text("打卡记录"));
    QStringList headers{QStringLiteral("工号"), QStringLiteral("姓名")};
    switch (shape) {
    case Shape::DateTime: headers << QStringLiteral("日期时间"); break;
    case Shape::DateAndTime: headers << QStringLiteral("日期") << QStringLiteral("时间"); break;
    case Shape::SignInColumns:
        headers << QStringLiteral("日期") << QStringLiteral("上班1") << QStringLiteral("下班1") << QStringLiteral("签到1")
                << QStringLiteral("签退1") << QStringLiteral("签到2") << QStringLiteral("签退2") << QStringLiteral("迟到(分钟)");
        break;
    case Shape::RunTogether: headers << QStringLiteral("日期") << QStringLiteral("打卡时间"); break;
    }
    for (int c = 0; c < headers.size(); ++c)
        sheet.put(1, c, text(headers[c]));

    int row = 2;
    auto put = [&](const QString& who, const QString& name, const QDate& d, const QList<Value>& times) {
        if (!who.isEmpty())
            sheet.put(row, 0, text(who));
        sheet.put(row, 1, text(name));
        if (shape == Shape::DateTime) {
            sheet.put(row++, 2, times.first());
            return;
        }
        sheet.put(row, 2, date(d));
        const int firstTime = shape == Shape::SignInColumns ? 5 : 3;
        if (shape == Shape::SignInColumns)
            sheet.put(row, 3, text("08:30")).put(row, 4, text("17:30")).put(row, 9, number(5));
        for (int i = 0; i < times.size(); ++i)
            sheet.put(row, firstTime + i, times[i]);
        ++row;
    };
    for (const DayPunches& day : days) {
        QList<Value> times;
        for (const QTime& t : day.times)
            times << (shape == Shape::DateTime ? dateTime(day.date, t) : time(t));
        if (shape == Shape::RunTogether) {
            QString together;
            for (const QTime& t : day.times)
                together += hhmm(t);
            times = {text(together)};
        }
        if (shape == Shape::DateTime || shape == Shape::DateAndTime) {
            for (const Value& t : times)
                put(day.number, day.name, day.date, {t});
        } else {
            put(day.number, day.name, day.date, times);
        }
        // a blank row parts the table's pages
        if (&day == &days.first())
            ++row;
    }
    const DayPunches& any = days.first();
    const QTime eight(8, 0);
    const Value good = shape == Shape::DateTime ? dateTime(any.date, eight) : time(eight);
    put(QString(), any.name, any.date, {good});
    put(any.number, any.name, QDate(1999, 12, 31), {shape == Shape::DateTime ? dateTime(QDate(1999, 12, 31), eight) : good});
    put(any.number, any.name, any.date,
        {text(shape == Shape::DateTime ? QStringLiteral("2024-13-40 08:00") : shape == Shape::RunTogether ? QStringLiteral("08:0112") : QStringLiteral("8点"))});
    return {sheet};
}

Book log(const Punches& days)
{
    SheetCells sheet;
    int row = 0;
    for (const DayPunches& day : days)
        for (const QTime& t : day.times) {
            // the second line has lost its number: the configured cells A2/B2 hold no punch
            if (row == 1)
                sheet.put(row++, 1, dateTime(day.date, QTime(8, 0))).put(1, 2, number(1));
            sheet.put(row, 0, text(day.number)).put(row, 1, dateTime(day.date, t)).put(row, 2, number(1)).put(row, 3, number(0));
            ++row;
        }
    sheet.put(row, 0, text(days.first().number)).put(row, 1, dateTime(QDate(2099, 1, 1), QTime(8, 0)));
    return {sheet};
}

Book twin(const Punches& days)
{
    SheetCells sheet;
    sheet.put(0, 0, text("工号")).put(0, 1, text("打卡时间"));
    int row = 1;
    for (const DayPunches& day : days)
        for (const QTime& t : day.times) {
            sheet.put(row, 0, text(day.number)).put(row, 1, dateTime(day.date, t));
            ++row;
        }
    return {sheet};
}

QList<SkipReason> junk(const QString& layout)
{
    if (layout == QLatin1String("grid"))
        return {SkipReason::UnreadableTime, SkipReason::EmptyNumber};
    if (layout == QLatin1String("log"))
        return {SkipReason::EmptyNumber, SkipReason::DateTooLate};
    return {SkipReason::EmptyNumber, SkipReason::DateTooEarly,
            layout == QLatin1String("datetime") ? SkipReason::UnreadableDate : SkipReason::UnreadableTime};
}

} // namespace layouttest
