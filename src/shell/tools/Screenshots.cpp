// Renders every page of the main window to pageN.png, the open data-folder
// panel to panel.png and the folder picker to form2.png, for the documentation;
// with a workbook folder also the all-employee summary to summary.png.
// Usage: tarnby-screenshots OUTPUT_DIR [WORKBOOK_FOLDER [EMPLOYEE_INDEX]]
// Today is 9 December 2026, so that the pictures do not change from day to
// day. With a workbook folder, page 2 shows November read month-start style,
// the employee analysed and the weekends marked as rest days; rest-days.png
// shows the calendar of October, National Day and its worked Saturday.
// shifts.png shows the shift editor on a night shift, shift-roster.png
// October's roster of a three-team rotation over National Day; both are made
// in a scratch program folder, so the pages above stay as they are.

#include "analysis/ui/AnalysisPage.h"
#include "analysis/ui/RestDayControls.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "import/ui/Form2.h"
#include "report/ui/SummaryDialog.h"
#include "settings/ShiftRotation.h"
#include "settings/ui/ShiftEditorDialog.h"
#include "settings/ui/ShiftRosterDialog.h"
#include "shell/Form1.h"
#include "widgets/MessageSeam.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTableView>
#include <QTextStream>

using namespace tarnby::ui;

namespace {

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

    if (!shiftPictures(out))
        return 1;

    for (const QString& m : messages)
        QTextStream(stderr) << "message: " << m << "\n";
    return 0;
}
