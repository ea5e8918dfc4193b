#include "PeriodOptions.h"

#include "Command.h"

#include "import/FolderImport.h"
#include "settings/ConfigFile.h"
#include "settings/Holidays.h"
#include "settings/RestDays.h"
#include "settings/RestMarks.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <optional>

namespace tarnby::cli {
namespace {

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

Taken fail(const QString& text)
{
    printError(text);
    return Taken::Failed;
}

} // namespace

Taken takePeriodOption(const QStringList& args, qsizetype& i, PeriodOptions& o)
{
    const QString& name = args.at(i);
    if (name == QLatin1String("--rest-auto")) {
        o.restAuto = true;
        return Taken::Yes;
    }
    if (name == QLatin1String("--rest-saved")) {
        o.restSaved = true;
        return Taken::Yes;
    }
    static const QStringList valued = {"--folder", "--mode", "--year", "--month", "--style", "--rest"};
    if (!valued.contains(name))
        return Taken::No;
    if (i + 1 >= args.size())
        return fail(QCoreApplication::translate("tarnby-cli", "%1 后面缺少取值。").arg(name));
    const QString value = args.at(++i);
    if (name == QLatin1String("--folder")) {
        o.folder = value;
    } else if (name == QLatin1String("--mode")) {
        if (value != QLatin1String("1") && value != QLatin1String("2"))
            return fail(QCoreApplication::translate("tarnby-cli", "时间模式只能是 1 或 2：%1").arg(value));
        o.mode = value == QLatin1String("2") ? TimeMode::NineToFive : TimeMode::Administrative;
    } else if (name == QLatin1String("--year")) {
        const auto y = wholeNumber(value);
        if (!y || *y < monthfile::kFirstYear || *y > monthfile::kLastYear)
            return fail(QCoreApplication::translate("tarnby-cli", "请输入有效的年份(1901-2100)！"));
        o.year = *y;
        o.haveYear = true;
    } else if (name == QLatin1String("--month")) {
        const auto m = wholeNumber(value);
        if (!m || *m < 1 || *m > 12)
            return fail(QCoreApplication::translate("tarnby-cli", "请输入正确的月份！"));
        o.month = *m;
        o.haveMonth = true;
    } else if (name == QLatin1String("--style")) {
        if (value != QLatin1String("1") && value != QLatin1String("2"))
            return fail(QCoreApplication::translate("tarnby-cli", "月结制式只能是 1（月初制）或 2（月中制）：%1").arg(value));
        o.style = value.toInt();
    } else {
        for (const QString& text : value.split(u',', Qt::SkipEmptyParts)) {
            const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
            if (!date.isValid())
                return fail(QCoreApplication::translate("tarnby-cli", "休息日不是有效的日期（yyyy-mm-dd）：%1").arg(text));
            o.restDays.append(date);
        }
    }
    return Taken::Yes;
}

bool periodComplete(const PeriodOptions& o)
{
    if (o.folder.isEmpty()) {
        printError(QCoreApplication::translate("tarnby-cli", "请用 --folder 指定考勤所在目录。"));
        return false;
    }
    if (o.haveYear && o.haveMonth)
        return true;
    printError(QCoreApplication::translate("tarnby-cli", "请用 --year 和 --month 指定起始年月。"));
    return false;
}

int setUpCalendar(const PeriodOptions& o, const QString& home, SettlementCalendar& calendar)
{
    calendar.setStyle(o.style);
    const auto& drawn = calendar.DrawSettlementCalendar(MonthKey{o.year, o.month});
    if (!drawn.message.isEmpty())
        printError(drawn.message);
    const std::optional<SettlementPeriod> period = calendar.period();
    if (!period) {
        printError(QCoreApplication::translate("tarnby-cli", "请用 --year 和 --month 指定起始年月。"));
        return kExitUsage;
    }
    // The days of --rest are checked one by one: each names a day the user
    // asked for. The other two only ever name days the calendar offers.
    for (const QDate& date : o.restDays) {
        const Outcome marked = calendar.markRestDate(date);
        if (!marked.ok()) {
            printError(marked.text);
            return kExitUsage;
        }
    }
    QList<QDate> more;
    if (o.restAuto) {
        const HolidayFile file = holidays::read(home);
        if (!file.ok()) {
            printError(file.message);
            return kExitUsage;
        }
        more = restdays::autoRestDays(*period, file.calendar);
    }
    if (o.restSaved) {
        const Result<QList<QDate>> saved = restmarks::readPeriod(home, *period);
        if (!saved) {
            printError(saved.error());
            return kExitUsage;
        }
        more = restdays::unite(more, saved.value());
    }
    for (const QDate& date : more)
        calendar.markRestDate(date);
    return kExitOk;
}

int readPeriodFolder(const QString& home, const QString& folder, PunchTable& table)
{
    if (!QFileInfo(config::filePath(home)).isFile()) {
        printError(QCoreApplication::translate("tarnby-cli", "找不到配置文件：%1").arg(QDir::toNativeSeparators(config::filePath(home))));
        return kExitUsage;
    }
    const ImportOutcome read = ReadFolderRecords(home, QDir(folder).absolutePath(), table);
    if (read.kind == ImportOutcome::Kind::SetupError) {
        printError(read.text);
        return kExitUsage;
    }
    if (read.kind == ImportOutcome::Kind::ReadError) {
        printError(read.text);
        return kExitReadError;
    }
    if (read.hasMessage())
        printError(read.text);
    return kExitOk;
}

} // namespace tarnby::cli
