#include "PeriodOptions.h"

#include "Command.h"

#include "import/FolderImport.h"
#include "settings/ConfigFile.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace tarnby::cli {
namespace {

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

OptionTaken fail(const QString& text)
{
    printError(text);
    return OptionTaken::Failed;
}

} // namespace

OptionTaken takePeriodOption(const QStringList& args, qsizetype& i, PeriodOptions& o)
{
    static const QStringList valued = {"--folder", "--year", "--month", "--style", "--mode", "--rest"};
    const QString& name = args.at(i);
    if (!valued.contains(name))
        return OptionTaken::NotMine;
    if (i + 1 >= args.size())
        return fail(QStringLiteral("%1 后面缺少取值。").arg(name));
    const QString value = args.at(++i);
    if (name == QLatin1String("--folder")) {
        o.folder = value;
    } else if (name == QLatin1String("--year")) {
        const auto y = wholeNumber(value);
        if (!y || *y < monthfile::kFirstYear || *y > monthfile::kLastYear)
            return fail(QStringLiteral("请输入有效的年份(1901-2100)！"));
        o.year = *y;
        o.haveYear = true;
    } else if (name == QLatin1String("--month")) {
        const auto m = wholeNumber(value);
        if (!m || *m < 1 || *m > 12)
            return fail(QStringLiteral("请输入正确的月份！"));
        o.month = *m;
        o.haveMonth = true;
    } else if (name == QLatin1String("--style")) {
        if (value != QLatin1String("1") && value != QLatin1String("2"))
            return fail(QStringLiteral("月结制式只能是 1（月初制）或 2（月中制）：%1").arg(value));
        o.style = value.toInt();
    } else if (name == QLatin1String("--mode")) {
        if (value != QLatin1String("1") && value != QLatin1String("2"))
            return fail(QStringLiteral("时间模式只能是 1 或 2：%1").arg(value));
        o.mode = value.toInt();
    } else if (name == QLatin1String("--rest")) {
        for (const QString& text : value.split(u',', Qt::SkipEmptyParts)) {
            const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
            if (!date.isValid())
                return fail(QStringLiteral("休息日不是有效的日期（yyyy-mm-dd）：%1").arg(text));
            o.restDays.append(date);
        }
    }
    return OptionTaken::Taken;
}

bool periodOptionsComplete(const PeriodOptions& o)
{
    if (o.folder.isEmpty()) {
        printError(QStringLiteral("请用 --folder 指定考勤所在目录。"));
        return false;
    }
    if (!o.haveYear || !o.haveMonth) {
        printError(QStringLiteral("请用 --year 和 --month 指定起始年月。"));
        return false;
    }
    return true;
}

int preparePeriodRun(const QString& home, const PeriodOptions& o, PunchTable& table, SettlementCalendar& calendar)
{
    if (!QFileInfo(config::filePath(home)).isFile()) {
        printError(QStringLiteral("找不到配置文件：%1").arg(QDir::toNativeSeparators(config::filePath(home))));
        return kExitUsage;
    }
    const ImportOutcome read = ReadFolderRecords(home, QDir(o.folder).absolutePath(), table);
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

    calendar.setStyle(o.style);
    const auto& drawn = calendar.DrawSettlementCalendar(QString::number(o.year), QString::number(o.month));
    if (!drawn.message.isEmpty())
        printError(drawn.message);
    for (const QDate& date : o.restDays) {
        const Outcome marked = calendar.markRestDate(date);
        if (!marked.ok()) {
            printError(marked.text);
            return kExitUsage;
        }
    }
    if (!calendar.period()) {
        printError(QStringLiteral("请用 --year 和 --month 指定起始年月。"));
        return kExitUsage;
    }
    return -1;
}

} // namespace tarnby::cli
