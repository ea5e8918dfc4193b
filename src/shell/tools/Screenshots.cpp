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

#include "analysis/ui/AnalysisPage.h"
#include "analysis/ui/RestDayControls.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "import/ui/Form2.h"
#include "base/StoredFile.h"
#include "report/ui/SummaryDialog.h"
#include "settings/DutyRoster.h"
#include "settings/Registration.h"
#include "settings/ui/HistoryDialog.h"
#include "shell/Form1.h"
#include "widgets/MessageSeam.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

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

    if (!renderHistory(out))
        return 1;

    for (const QString& m : messages)
        QTextStream(stderr) << "message: " << m << "\n";
    return 0;
}
