// Times the window the way a user meets it: from the program's start to the
// first painted main window, and a read of a 96,000-punch folder through the
// data-folder panel, with the longest time the window went without handling
// its events during the read.
//
//   bench_window [FOLDER]
// Without FOLDER the 96,000-punch export of the import benchmark is generated
// once under the build folder.

#include "analysis/ui/AnalysisPage.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "shell/Form1.h"
#include "widgets/MessageSeam.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {

QElapsedTimer sinceStart;

// Notes the first paint of the window it watches.
class FirstPaint : public QObject {
public:
    qint64 at = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && at < 0)
            at = sinceStart.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }
};

bool makeExport(const QString& folder)
{
    if (QDir(folder).entryList({QStringLiteral("*.xls")}, QDir::Files).size() >= 4)
        return true;
    std::fprintf(stderr, "generating the 96,000-punch export in %s ...\n", qPrintable(folder));
    QProcess p;
    p.start(QStringLiteral(TARNBY_PYTHON3), {QStringLiteral(TARNBY_MAKE_EXPORT), QStringLiteral("make"), folder});
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

double ms(qint64 ns)
{
    return ns / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    sinceStart.start();
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPointSize(9); // 12 pixels at 96 dpi
    QApplication::setFont(font);
    const qint64 appReady = sinceStart.nsecsElapsed();

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TARNBY_BENCH_DATA);
    if (!makeExport(folder)) {
        std::fprintf(stderr, "cannot generate the export\n");
        return 1;
    }
    QStringList messages;
    tarnby::ui::setMessageHandler([&messages](QWidget*, const tarnby::ui::Message& m) {
        messages.append(m.title + QStringLiteral(": ") + m.text);
        return tarnby::ui::MessageAnswer::Ok;
    });

    // A program folder of the build's own files, the shipped Init.ini
    // (position A2B2, as the export is written).
    QTemporaryDir program;
    QFile::copy(QStringLiteral(TARNBY_PROGRAM_DIR "/Init.ini"), QDir(program.path()).filePath(QStringLiteral("Init.ini")));
    QDir(program.path()).mkdir(QStringLiteral("SrDate"));
    QFile::link(QStringLiteral(TARNBY_PROGRAM_DIR "/plugins"), QDir(program.path()).filePath(QStringLiteral("plugins")));

    const qint64 beforeWindow = sinceStart.nsecsElapsed();
    FirstPaint firstPaint;
    // February 2026 as today: the period (16 January to 15 February) lies in the export.
    tarnby::ui::Form1 window(program.path(), [] { return QDateTime(QDate(2026, 2, 10), QTime(9, 0)); });
    window.installEventFilter(&firstPaint);
    const qint64 constructed = sinceStart.nsecsElapsed();
    window.show();
    while (firstPaint.at < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 paintedAt = QDateTime::currentMSecsSinceEpoch();

    std::printf("start-up\n");
    std::printf("  QApplication ready          %8.1f ms\n", ms(appReady));
    std::printf("  Form1 constructed in        %8.1f ms\n", ms(constructed - beforeWindow));
    std::printf("  main() to first paint       %8.1f ms\n", ms(firstPaint.at));
    // scripts/measure-window turns this into the time from the process's launch.
    std::printf("  first paint at epoch ms     %lld\n", static_cast<long long>(paintedAt));

    // The read, through the window: panel opened, folder typed, read pressed.
    tarnby::ui::AnalysisPage* page = window.analysisPage;
    window.SwitchPage(2);
    page->OpenDataFolderPanel();
    page->cxPic->cTxt->setText(QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath()));

    // A 10 ms heartbeat: the longest gap between its ticks is the longest the
    // window went without handling its events.
    QElapsedTimer beat;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer heartbeat;
    heartbeat.setInterval(10);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        if (beat.isValid())
            longestGap = std::max(longestGap, beat.nsecsElapsed());
        beat.restart();
        ++ticks;
    });
    heartbeat.start();
    beat.start();

    QElapsedTimer read;
    read.start();
    const tarnby::ImportOutcome outcome = page->cxPic->readAndWait();
    const qint64 readTime = read.nsecsElapsed();
    heartbeat.stop();

    std::printf("read of %s through the window\n", qPrintable(folder));
    std::printf("  records                     %8d%s\n", page->punches().size(), outcome.overflow ? " (overflow)" : "");
    std::printf("  picker entries              %8d\n", page->dCmb[6]->count());
    std::printf("  result rows of entry 1      %8d\n", page->cLV->topLevelItemCount());
    std::printf("  read + picker + analysis    %8.1f ms\n", ms(readTime));
    std::printf("  event-loop turns            %8d\n", ticks);
    std::printf("  longest unresponsive gap    %8.1f ms\n", ms(longestGap));
    for (const QString& m : messages)
        std::printf("  message: %s\n", qPrintable(m));
    return outcome.kind == tarnby::ImportOutcome::Kind::Read ? 0 : 1;
}
