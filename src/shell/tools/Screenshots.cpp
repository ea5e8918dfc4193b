// Renders every page of the main window to pageN.png, the open data-folder
// panel to panel.png and the folder picker to form2.png, for the documentation;
// with a workbook folder also the all-employee summary to summary.png; and
// "变更记录" of a December in which two clerks saved and one deleted entry was
// put back to history.png.
// Usage: tarnby-screenshots OUTPUT_DIR [WORKBOOK_FOLDER [EMPLOYEE_INDEX]]
// Today is 9 December 2026, so that the pictures do not change from day to
// day. With a workbook folder, page 2 shows November read month-start style,
// the employee analysed and the weekends marked as rest days; rest-days.png
// shows the calendar of October, National Day and its worked Saturday.
// detect.png shows page 3's "自动识别" with a clock's monthly grid workbook;
// read-report.png the read report of a folder holding that workbook and a
// clock log without header read from row 2.
// shifts.png shows the shift editor on a night shift, shift-roster.png
// October's roster of a three-team rotation over National Day; both are made
// in a scratch program folder, so the pages above stay as they are.

#include "base/Language.h"
#include "analysis/ui/AnalysisPage.h"
#include "analysis/ui/RestDayControls.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "import/ui/Form2.h"
#include "base/StoredFile.h"
#include "import/ui/ReadReportView.h"
#include "report/ui/SummaryDialog.h"
#include "settings/DutyRoster.h"
#include "settings/Registration.h"
#include "settings/ShiftRotation.h"
#include "settings/ui/DetectDialog.h"
#include "settings/ui/HistoryDialog.h"
#include "settings/ui/SettingsPage.h"
#include "settings/ui/ShiftEditorDialog.h"
#include "settings/ui/ShiftRosterDialog.h"
#include "shell/Form1.h"
#include "shell/InfoPage.h"
#include "widgets/MessageSeam.h"

#include <xlsxwriter.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTableView>
#include <QTextStream>
#include <QTreeWidget>

using namespace tarnby::ui;

namespace {

// A December's saves by two clerks in a scratch program folder, the deleted
// registration put back, and the dialog showing that.
bool renderHistory(const QDir& out)
{
    using namespace tarnby;
    QTemporaryDir home;
    if (!QDir(home.path()).mkdir(QStringLiteral("SrDate")))
        return false;
    const MonthKey december{2026, 12};
    QDateTime at;
    storedfile::setClock([&at] { return at; });
    auto as = [&at](const char* user, const char* machine, const QDateTime& when) {
        storedfile::setIdentity({QString::fromLatin1(user), QString::fromLatin1(machine)});
        at = when;
    };
    auto registration = [](const char* number, const char* date, const char* name, const char* reason, const char* method) {
        return Registration{QString::fromUtf8(number), QString::fromUtf8(date), QString::fromUtf8(name),
                            QString::fromUtf8(reason), QString::fromUtf8(method)};
    };
    const Registration meeting = registration("0001", "12月01日", "张三", "外出开会，上午未打卡", "不计漏打1次");
    const Registration sick = registration("0003", "12月02日", "王五", "感冒发烧", "病假1天");
    const Registration late = registration("0002", "12月03日", "李四", "地铁故障，有证明", "不计迟到1次");
    as("zhangli", "OFFICE-PC1", QDateTime(QDate(2026, 12, 1), QTime(8, 52, 10)));
    registrationfile::save(home.path(), december, {meeting, sick});
    as("zhangli", "OFFICE-PC1", QDateTime(QDate(2026, 12, 3), QTime(9, 15, 42)));
    registrationfile::save(home.path(), december, {meeting, sick, late});
    as("wangfang", "OFFICE-PC2", QDateTime(QDate(2026, 12, 4), QTime(17, 40, 3)));
    DutyRoster duty;
    for (int day : {5, 12, 19, 26})
        duty.setEntry(day, QStringLiteral("0004"));
    duty.SaveDutyRoster(home.path(), december);
    as("wangfang", "OFFICE-PC2", QDateTime(QDate(2026, 12, 7), QTime(10, 5, 27)));
    registrationfile::save(home.path(), december, {meeting, late});
    as("zhangli", "OFFICE-PC1", QDateTime(QDate(2026, 12, 9), QTime(9, 41, 26)));

    HistoryDialog dialog(home.path(), december);
    dialog.choose(0);
    if (!dialog.restoreChosen(true))
        return false;
    dialog.choose(0);
    dialog.show();
    QCoreApplication::processEvents();
    const bool saved = dialog.grab().save(out.filePath(QStringLiteral("history.png")));
    storedfile::setClock({});
    storedfile::setIdentity({});
    return saved;
}

// The clock's monthly workbook for 2026/10/16 ~ 11/15: a summary and a schedule
// sheet, then the grid with six employees (the first three in the shipped
// roster) and an employee row whose number the clock lost.
bool writeGridWorkbook(const QString& path)
{
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (!book)
        return false;
    lxw_format* wrap = workbook_add_format(book);
    format_set_text_wrap(wrap);
    lxw_worksheet* summary = workbook_add_worksheet(book, "考勤汇总");
    worksheet_write_string(summary, 0, 0, "考勤汇总表", nullptr);
    lxw_worksheet* schedule = workbook_add_worksheet(book, "排班信息");
    worksheet_write_string(schedule, 0, 0, "班次", nullptr);
    lxw_worksheet* grid = workbook_add_worksheet(book, "刷卡记录");
    worksheet_write_string(grid, 0, 0, "考勤记录表", nullptr);
    worksheet_write_string(grid, 2, 0, "考勤日期：", nullptr);
    worksheet_write_string(grid, 2, 2, "2026/10/16 ~ 11/15（总公司）", nullptr);
    const QDate first(2026, 10, 16);
    for (int c = 0; c < 31; ++c)
        worksheet_write_number(grid, 3, lxw_col_t(c), first.addDays(c).day(), nullptr);
    const char* names[] = {"张三", "李四", "王五", "赵六", "孙七", "周八", ""};
    for (int e = 0; e < 7; ++e) {
        const lxw_row_t row = lxw_row_t(5 + 2 * e);
        worksheet_write_string(grid, row, 0, "工 号：", nullptr);
        if (e < 6)
            worksheet_write_string(grid, row, 2, QStringLiteral("%1").arg(e + 3, 4, 10, QChar(u'0')).toUtf8().constData(), nullptr);
        worksheet_write_string(grid, row, 8, "姓 名：", nullptr);
        worksheet_write_string(grid, row, 10, names[e], nullptr);
        for (int c = 0; c < 31; ++c) {
            const QDate day = first.addDays(c);
            if (day.dayOfWeek() >= 6)
                continue;
            QString times = QStringLiteral("07:%1\n12:0%2\n13:%3\n17:%4")
                                .arg(40 + (c + e) % 19).arg((c * 3 + e) % 10).arg(20 + (c + 2 * e) % 9).arg(31 + (c * e) % 28);
            if (e == 1 && c == 4)
                times += QStringLiteral("\n25:61");
            worksheet_write_string(grid, row + 1, lxw_col_t(c), times.toUtf8().constData(), wrap);
        }
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

// A clock log without header: read from row 2 at the shipped cells A2/B2, it loses its first punch.
bool writeLog(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("0002,2026-11-03 07:58:12\n0002,2026-11-03 17:31:40\n0005,2026-11-03 08:02:55\n0005,2026-11-03 17:40:03\n");
    return true;
}

// Waits for `done` while the window's events are handled.
template <typename Done>
void waitFor(Done done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

const char* const kShiftsJson = R"({"version": 1, "shifts": [
  {"name": "白班", "times": ["08:00", "12:00", "13:30", "17:30"], "overtime": ["19:30", "21:30"], "grace": 5, "earlyLeave": 30},
  {"name": "夜班", "times": ["20:00", "08:00"], "overtime": ["10:00"], "dayStart": "12:00", "grace": 5, "earlyLeave": 30},
  {"name": "中班", "times": ["14:00", "22:00"], "grace": 5}],
 "employees": [{"number": "0001", "week": ["白班", "白班", "白班", "白班", "白班", "休", "休"], "department": "办公室"}]})";

// The editor on the night shift and October's roster: three teams on
// 白白夜夜休休, each two days ahead of the one before.
bool shiftPictures(const QDir& out)
{
    QTemporaryDir scratch;
    const QDir home(scratch.path());
    const QDir program(QCoreApplication::applicationDirPath());
    home.mkdir(QStringLiteral("SrDate"));
    for (const QString& name : {QStringLiteral("Init.ini"), QStringLiteral("Holidays.txt")})
        QFile::copy(program.filePath(name), home.filePath(name));
    QFile json(home.filePath(QStringLiteral("Schedules.json")));
    if (!json.open(QIODevice::WriteOnly) || json.write(kShiftsJson) < 0)
        return false;
    json.close();
    const tarnby::Schedules model = tarnby::schedules::load(home.path()).value();
    tarnby::ShiftRoster october(tarnby::MonthKey{2026, 10});
    const QStringList steps = tarnby::parseRotation(QStringLiteral("白白夜夜休休"), model).value();
    tarnby::fillRotation(october, steps, {{QStringLiteral("0002"), QStringLiteral("0003"), QStringLiteral("0004")}, 1, 31, 0, 2});
    october.setEntry(QStringLiteral("0005"), 10, QStringLiteral("中班"));
    if (!tarnby::shiftroster::save(home.path(), october, model).ok())
        return false;

    ShiftEditorDialog editor(home.path());
    if (!editor.load())
        return false;
    editor.shiftList->setCurrentRow(1);
    editor.show();
    QCoreApplication::processEvents();
    if (!editor.grab().save(out.filePath(QStringLiteral("shifts.png"))))
        return false;

    ShiftRosterDialog roster(home.path(), tarnby::MonthKey{2026, 10});
    if (!roster.load())
        return false;
    roster.rotationEdit->setText(QStringLiteral("白白夜夜休休"));
    roster.staggerSpin->setValue(2);
    roster.resize(1000, 420);
    roster.show();
    roster.grid->setCurrentCell(1, 9);
    QCoreApplication::processEvents();
    return roster.grab().save(out.filePath(QStringLiteral("shift-roster.png")));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    tarnby::useLanguage(tarnby::startLanguage(), tarnby::translationFolders(QCoreApplication::applicationDirPath()));
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: tarnby-screenshots OUTPUT_DIR [WORKBOOK_FOLDER [EMPLOYEE_INDEX]]\n";
        return 2;
    }
    const QDir out(args.at(1));
    QStringList messages;
    setMessageHandler([&messages](QWidget*, const Message& m) {
        messages.append(m.title + QStringLiteral(": ") + m.text);
        return MessageAnswer::Ok;
    });

    Form1 window(QCoreApplication::applicationDirPath(), [] { return QDateTime(QDate(2026, 12, 9), QTime(9, 41, 26)); });
    window.infoPage->offerLanguages(QCoreApplication::applicationDirPath());
    window.show();
    QCoreApplication::processEvents();

    AnalysisPage* page = window.analysisPage;
    if (args.size() >= 3) {
        page->OpenDataFolderPanel();
        page->cxPic->cTxt->setText(QDir::toNativeSeparators(QFileInfo(args.at(2)).absoluteFilePath()));
        page->cxPic->readAndWait();
        page->CloseDataFolderPanel();
        page->chooseStyle(1);
        const int employee = args.size() >= 4 ? args.at(3).toInt() : 0;
        if (employee > 0 && employee < page->dCmb[6]->count())
            page->dCmb[6]->setCurrentIndex(employee);
        // Whatever an earlier run saved is cleared first, so the picture stays the same.
        page->restDays()->clearPeriod();
        page->restDays()->markWeekendsAndHolidays();
        page->Refresh();
    }

    for (int i = 0; i < Form1::kPageCount; ++i) {
        window.SwitchPage(i);
        QCoreApplication::processEvents();
        const QString path = out.filePath(QStringLiteral("page%1.png").arg(i));
        if (!window.grab().save(path)) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            return 1;
        }
    }
    window.SwitchPage(2);
    page->OpenDataFolderPanel();
    QCoreApplication::processEvents();
    if (!window.grab().save(out.filePath(QStringLiteral("panel.png"))))
        return 1;
    page->CloseDataFolderPanel();

    Form2 picker(page->cxPic->cTxt->text(), QCoreApplication::applicationDirPath(), &window);
    picker.show();
    // The tree lists its folders in the background; the picture shows it filled.
    QElapsedTimer listing;
    listing.start();
    while (listing.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!picker.grab().save(out.filePath(QStringLiteral("form2.png"))))
        return 1;

    if (args.size() >= 3) {
        window.SwitchPage(2);
        page->OpenSummary();
        if (page->summary) {
            if (page->summary->isBuilding()) {
                QEventLoop loop;
                QObject::connect(page->summary, &SummaryDialog::buildEnded, &loop, &QEventLoop::quit);
                loop.exec();
            }
            // The employee page 2 shows, highlighted in the table and the chart.
            const auto& employees = page->summary->report().employees;
            for (int row = 0; row < employees.size(); ++row)
                if (employees.at(row).employee == page->dCmb[6]->currentText())
                    page->summary->table->selectRow(row);
            QCoreApplication::processEvents();
            if (!page->summary->grab().save(out.filePath(QStringLiteral("summary.png"))))
                return 1;
        }
    }
    window.SwitchPage(2);
    page->dCmb[4]->setCurrentText(QStringLiteral("2026"));
    page->dCmb[5]->setCurrentIndex(9);
    page->chooseStyle(1);
    page->restDays()->clearPeriod();
    page->restDays()->markWeekendsAndHolidays();
    QCoreApplication::processEvents();
    if (!page->dmPic[12]->grab().save(out.filePath(QStringLiteral("rest-days.png"))))
        return 1;

    if (!renderHistory(out))
        return 1;

    QTemporaryDir exports;
    const QString gridPath = QDir(exports.path()).filePath(QStringLiteral("考勤报表-2026-11.xlsx"));
    if (!exports.isValid() || !writeGridWorkbook(gridPath) || !writeLog(QDir(exports.path()).filePath(QStringLiteral("attlog.csv"))))
        return 1;
    window.SwitchPage(3);
    window.settingsPage->prepare();
    DetectDialog::setFileAsker([&gridPath](QWidget*) { return gridPath; });
    DetectDialog* detect = window.settingsPage->OpenDetection();
    waitFor([detect] { return !detect->isReading(); });
    QCoreApplication::processEvents();
    if (!detect->grab().save(out.filePath(QStringLiteral("detect.png"))))
        return 1;
    detect->close();

    window.SwitchPage(2);
    page->OpenDataFolderPanel();
    page->cxPic->cTxt->setText(QDir::toNativeSeparators(exports.path()));
    page->cxPic->readAndWait();
    ReadReportDialog* report = page->cxPic->ShowReadReport();
    report->view->files->expandAll();
    QCoreApplication::processEvents();
    if (!report->grab().save(out.filePath(QStringLiteral("read-report.png"))))
        return 1;

    if (!shiftPictures(out))
        return 1;

    for (const QString& m : messages)
        QTextStream(stderr) << "message: " << m << "\n";
    return 0;
}
