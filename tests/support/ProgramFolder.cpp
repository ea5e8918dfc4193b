#include "support/ProgramFolder.h"

#include "base/TextFile.h"
#include "support/TestPaths.h"

#include <QFile>

namespace testsupport {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool ProgramFolder::copyShipped(const QString& name) const
{
    return QFile::copy(distPath(name), file(name));
}

bool ProgramFolder::linkPlugins() const
{
    return QFile::link(builtPlugins(), file(QStringLiteral("plugins")));
}

bool ProgramFolder::writeInit(const QStringList& lines) const
{
    return tarnby::textfile::writeLines(init(), lines).ok();
}

QStringList ProgramFolder::initText() const
{
    return tarnby::textfile::readLines(init()).value();
}

bool ProgramFolder::writeMonth(const QString& name, const QStringList& lines) const
{
    return tarnby::textfile::writeLines(srDate(name), lines).ok();
}

QStringList ProgramFolder::monthLines(const QString& name) const
{
    const auto lines = tarnby::textfile::readLines(srDate(name));
    return lines ? lines.value() : QStringList();
}

WindowFolder::WindowFolder(bool plugins)
{
    copyShipped(QStringLiteral("Init.ini"));
    if (plugins)
        linkPlugins();
}

SampleMonthFolder::SampleMonthFolder()
{
    writeMonth(QStringLiteral("202611.ydj"), {QStringLiteral("0002##11月17日##李四##外出办事##事假0.5天"),
                                              QStringLiteral("0000##11月20日##全体员工##停电##不计迟到1次"),
                                              QStringLiteral("2##11月25日##李四##忘带工牌##处罚5元"),
                                              QStringLiteral("2##11月26日##李四##迟到##处罚二十元"),
                                              QStringLiteral("0003##11月18日##王五##病##病假1天")});
    QStringList duty;
    for (int day = 1; day <= 31; ++day)
        duty.append(QStringLiteral("%1%2").arg(day, 2, 10, QLatin1Char('0')).arg(day == 24 ? "0002" : "0000"));
    writeMonth(QStringLiteral("202611.zra"), duty);
}

QStringList initLines(const QString& position, const QStringList& roster)
{
    return QStringList{QStringLiteral("[%1] 数据读取位置").arg(position), QStringLiteral(";+ 员工编号,姓名")} + roster
        + QStringList{QStringLiteral(";# 员工编号结束"), QStringLiteral(";= 时间模式[1]、时间模式[2]"),
                      QStringLiteral("083012001400170020302230090017002130"), QStringLiteral(";* 时间结束"),
                      QStringLiteral(";; 文件结束")};
}

QByteArray gbk(const QString& text)
{
    return tarnby::textfile::encodeGbk(text);
}

} // namespace testsupport
