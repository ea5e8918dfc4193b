// Two programs on one program folder: the second only reads and refuses a
// save, the first goes on. And a file error of the start-up period is said
// once the window is up, then only when the file changes.

#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "support/WindowSupport.h"

#include "analysis/ui/AnalysisPage.h"
#include "settings/ui/RegistrationDutyPage.h"
#include "shell/Form1.h"

#include <QProcess>
#include <QTest>
#include <QWindow>

using namespace tarnby::ui;
using testsupport::MessageRecorder;
using ProgramFolder = testsupport::WindowFolder;

namespace {

const QDate kWorkDate(2013, 2, 20); // the start-up period: 16 January to 15 February

// xdotool's answer, one line per window, or nothing after ten seconds.
QStringList xdotool(const QStringList& args)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    if (!tool.waitForFinished(10000))
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// The window of process `pid` named `name` once it is on the screen, waiting
// for it up to 30 seconds.
QString windowOf(qint64 pid, const QString& name)
{
    for (int tries = 0; tries < 150; ++tries) {
        for (const QString& id :
             xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)})) {
            if (xdotool({QStringLiteral("getwindowname"), id}).value(0) == name)
                return id;
        }
        QTest::qWait(200);
    }
    return {};
}

} // namespace

class TestSharedFolder : public QObject {
    Q_OBJECT
private slots:
    void aStartUpFileErrorIsSaidOnceTheWindowIsUpAndAgainOnlyWhenTheFileChanged();
    void aSecondProgramShowsTheReadOnlyTitleAndRefusesASave();
};

void TestSharedFolder::aStartUpFileErrorIsSaidOnceTheWindowIsUpAndAgainOnlyWhenTheFileChanged()
{
    ProgramFolder folder;
    auto writeRest = [&folder](const QByteArray& bytes) {
        QFile rest(folder.file(QStringLiteral("SrDate/201301.rest")));
        return rest.open(QIODevice::WriteOnly) && rest.write(bytes) == bytes.size();
    };
    QVERIFY(writeRest("2013-01-19\r\n2013-01-40\r\n"));
    MessageRecorder recorder;
    Form1 window(folder.path(), testsupport::fixedClock(kWorkDate));
    QVERIFY(recorder.messages.isEmpty()); // nothing before the window is up
    QTRY_COMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages[0].text.contains(QStringLiteral("201301.rest"))
            && recorder.messages[0].text.contains(QStringLiteral("第2行")));
    window.analysisPage->chooseStyle(2);
    window.analysisPage->DrawSettlementCalendar();
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(writeRest("2013-01-40\r\n"));
    window.analysisPage->DrawSettlementCalendar();
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY(recorder.messages[1].text.contains(QStringLiteral("第1行")));
}

void TestSharedFolder::aSecondProgramShowsTheReadOnlyTitleAndRefusesASave()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (ctest runs it under xvfb-run)");
    ProgramFolder folder;
    MessageRecorder recorder;
    Form1 first(folder.path(), testsupport::fixedClock(kWorkDate));
    first.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    QCOMPARE(xdotool({QStringLiteral("getwindowname"), QString::number(first.windowHandle()->winId())}).value(0),
             kProgramTitle);

    QProcess second;
    qputenv("TARNBY_HOME", QFile::encodeName(folder.path()));
    second.start(QDir(testsupport::builtProgramDir()).filePath(QStringLiteral("tarnby")), {});
    const QString window = windowOf(second.processId(), kReadOnlyTitle);
    QVERIFY2(!window.isEmpty(), "the second program shows no read-only window");
    // Page 1, then its save button, clicked as a person would.
    xdotool({QStringLiteral("windowraise"), window});
    for (const QPoint& at : {QPoint(124, 97), QPoint(569, 210)})
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(at.x()),
                 QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    QVERIFY2(!windowOf(second.processId(), QStringLiteral("错误")).isEmpty(), "the refused save said nothing");
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("SrDate/201302.ydj"))));

    first.SwitchPage(1);
    first.registrationPage->SaveRegistrations();
    QCOMPARE(recorder.messages.last().text, QStringLiteral("登记信息保存成功！"));
    QVERIFY(QFile::exists(folder.file(QStringLiteral("SrDate/201302.ydj"))));
    second.kill();
    second.waitForFinished();
}

QTEST_MAIN(TestSharedFolder)
#include "test_shared_folder.moc"
