// A clerk's way through shifts: a day and a night shift made in 班次设置 on
// page 3, a week pattern for one employee, a rotation and a holiday's work in
// the November roster on page 1; then page 2 shows, day by day, what
// tarnby-cli analyse --extended says about the same program folder, and
// 汇总 shows the same figures.

#include "PageTestSupport.h"
#include "base/TextFile.h"
#include "support/Cli.h"
#include "analysis/ShiftFiguresText.h"
#include "analysis/ui/AnalysisPage.h"
#include "report/ReportPayroll.h"
#include "report/ui/SummaryDialog.h"
#include "report/ui/SummaryModel.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "settings/ui/ShiftEditorDialog.h"
#include "settings/ui/ShiftRosterDialog.h"
#include "settings/ui/WeekPatternDialog.h"
#include "shell/Form1.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTreeWidget>

using namespace tarnby;
using namespace tarnby::ui;

namespace {

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4));
}

// November 2026: 0001 on the day shift Monday to Friday, late on the 3rd,
// leaving early on the 4th, staying late on the 5th, working the 11th (a
// holiday) and Saturday the 14th; 0002 on 白白夜夜休休 from the 1st, late
// for the night of the 9th and leaving that of the 10th early.
QStringList punches()
{
    QStringList lines{QStringLiteral("工号,打卡时间")};
    auto punch = [&](const char* number, QDate date, const char* time) {
        lines.append(QStringLiteral("%1,%2 %3:00").arg(QLatin1String(number), date.toString(Qt::ISODate), QLatin1String(time)));
    };
    for (int day = 1; day <= 30; ++day) {
        const QDate date(2026, 11, day);
        if (date.dayOfWeek() <= 5 || day == 21) {
            punch("0001", date, day == 3 ? "08:07" : "07:58");
            punch("0001", date, "12:02");
            punch("0001", date, "13:25");
            punch("0001", date, day == 4 ? "17:10" : day == 5 ? "20:40" : "17:35");
        }
        const int step = (day - 1) % 6;
        if (step < 2) {
            for (const char* time : {"08:01", "12:00", "13:31", "17:31"})
                punch("0002", date, time);
        } else if (step < 4) {
            punch("0002", date, day == 9 ? "20:09" : "19:56");
            punch("0002", date.addDays(1), day == 10 ? "07:45" : "08:02");
        }
    }
    punch("0001", QDate(2026, 11, 14), "09:00");
    punch("0001", QDate(2026, 11, 14), "12:00");
    return lines;
}

void nameShift(ShiftEditorDialog* editor, const QString& name)
{
    editor->addButton->click();
    for (const QChar c : name) // as an input method commits them
        QTest::sendKeyEvent(QTest::Click, editor->nameEdit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(editor->nameEdit, Qt::Key_Return);
    editor->parameterSpins[ShiftEditorDialog::Grace]->setValue(5);
    editor->parameterSpins[ShiftEditorDialog::EarlyLeave]->setValue(30);
    editor->overtimeChecks[0]->setChecked(true);
}

EmployeeFigures figuresOf(const QJsonObject& extra)
{
    return {extra.value("earlyCount").toInt(),     extra.value("earlyMinutes").toInt(),
            extra.value("lateMinutes").toInt(),    extra.value("overtimeWorkday").toInt(),
            extra.value("overtimeRestday").toInt(), extra.value("overtimeHoliday").toInt()};
}

} // namespace

class TestShiftJourney : public QObject {
    Q_OBJECT
private slots:
    void shiftsMadeInTheDialogsShowOnPage2AsOnTheCommandLine();
};

void TestShiftJourney::shiftsMadeInTheDialogsShowOnPage2AsOnTheCommandLine()
{
    pagetest::ProgramFolder folder;
    QStringList init = pagetest::initLines({QStringLiteral("0001,张三"), QStringLiteral("0002,李四"), QStringLiteral("0003,王五")});
    init[0] = QStringLiteral("[A2B2]数据读取位置");
    folder.writeInit(init);
    const QDir home(folder.path());
    home.mkdir(QStringLiteral("Source"));
    QVERIFY(folder.linkPlugins());
    QVERIFY(textfile::writeUtf8Lines(home.filePath(QStringLiteral("Holidays.txt")),
                                     {QStringLiteral("2026-11-11 公司庆典"), QStringLiteral("2026-11-21 上班")}).ok());
    QVERIFY(textfile::writeUtf8Lines(home.filePath(QStringLiteral("Source/kq.csv")), punches()).ok());

    pagetest::MessageLog log;
    Form1 window(folder.path(), [] { return QDateTime(QDate(2026, 12, 9), QTime(9, 0)); });
    window.show();

    window.SwitchPage(3);
    click(window.findChild<PictureButton*>(QStringLiteral("bnShifts")));
    auto* editor = window.findChild<ShiftEditorDialog*>();
    QVERIFY(editor && editor->isVisible());
    nameShift(editor, QStringLiteral("白班"));
    editor->overtimeChecks[1]->setChecked(true);
    nameShift(editor, QStringLiteral("夜班"));
    editor->kindBox->setFocus();
    QTest::keyClick(editor->kindBox, Qt::Key_Down);
    editor->timeEdits[0]->setTime(QTime(20, 0));
    editor->timeEdits[1]->setTime(QTime(8, 0));
    editor->overtimeEdits[0]->setTime(QTime(10, 0));
    QVERIFY2(editor->fault().contains(QStringLiteral("工作日起点")), qPrintable(editor->fault()));
    editor->dayStartEdit->setTime(QTime(12, 0));
    QCOMPARE(editor->fault(), QString());

    editor->weekButton->click();
    auto* week = editor->findChild<WeekPatternDialog*>();
    QVERIFY(week);
    week->table->selectRow(0);
    week->applyWeekButton->click();
    week->departmentEdit->setText(QStringLiteral("生产部"));
    week->departmentButton->click();
    week->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    editor->saveButton->click();
    QCOMPARE(log.lastText(), QStringLiteral("班次设置保存成功！"));
    editor->closeButton->click();
    QTRY_VERIFY(!window.findChild<ShiftEditorDialog*>());

    window.SwitchPage(1);
    click(window.findChild<PictureButton*>(QStringLiteral("bnShiftRoster")));
    auto* roster = window.findChild<ShiftRosterDialog*>();
    QVERIFY(roster && roster->isVisible());
    roster->previousButton->click();
    QCOMPARE(roster->month(), (MonthKey{2026, 11}));
    roster->grid->setFocus();
    roster->grid->setCurrentCell(1, 0);
    QTest::keyClick(roster->grid, Qt::Key_End, Qt::ShiftModifier);
    roster->rotationEdit->setText(QStringLiteral("白白夜夜休休"));
    roster->rotationButton->click();
    roster->grid->setCurrentCell(0, 10);
    QTest::keyClick(roster->grid, Qt::Key_1);
    roster->saveButton->click();
    QCOMPARE(log.lastText(), QStringLiteral("2026年11月排班表保存成功！"));
    roster->closeButton->click();

    AnalysisPage* page = window.analysisPage;
    window.SwitchPage(2);
    click(window.bnPic[11]);
    page->cxPic->cTxt->setText(home.filePath(QStringLiteral("Source")));
    click(window.bnPic[13]);
    QTRY_VERIFY_WITH_TIMEOUT(!page->cxPic->isReading(), 60000);
    click(window.bnPic[14]);
    page->chooseStyle(kMonthStartStyle);
    for (const auto& m : log.messages)
        QVERIFY2(m.title != kTitleError, qPrintable(m.text));

    QHash<QString, QString> summaryFigures; // per employee, as 汇总 should show them
    for (const QString& employee : {QStringLiteral("0001 张三"), QStringLiteral("0002 李四"), QStringLiteral("0003 王五")}) {
        page->dCmb[6]->setCurrentIndex(page->dCmb[6]->findText(employee));
        click(window.bnPic[10]);
        const testsupport::CliRun cli =
            testsupport::runCli({"analyse", "--home", folder.path(), "--folder", home.filePath("Source"), "--year", "2026",
                                 "--month", "11", "--style", "1", "--employee", employee, "--extended"});
        QCOMPARE(cli.status, 0);
        const QJsonObject analysed = QJsonDocument::fromJson(cli.out).object();
        const QJsonArray rows = analysed.value("rows").toArray();
        QCOMPARE(page->cLV->topLevelItemCount(), rows.size());
        for (int r = 0; r < rows.size(); ++r) {
            const QJsonObject row = rows[r].toObject();
            const QTreeWidgetItem* item = page->cLV->topLevelItem(r);
            for (int c = 0; c < 7; ++c) {
                QCOMPARE(item->text(c), row.value("cells").toArray().at(c).toString());
                const QVariant colour = item->data(c, Qt::ForegroundRole);
                QCOMPARE(colour.isValid() ? colour.value<QBrush>().color().name() : QString(),
                         row.value("colors").toObject().value(QString::number(c)).toString());
            }
            const QString shift = QStringLiteral("“%1”").arg(row.value("shift").toString());
            QVERIFY2(employee.startsWith(QStringLiteral("0003")) || item->toolTip(0).contains(shift), qPrintable(item->toolTip(0)));
        }
        const EmployeeFigures extra = figuresOf(analysed.value("extra").toObject());
        summaryFigures.insert(employee, report::payrollFigures(extra).texts().join(u' '));
        if (employee.startsWith(QStringLiteral("0003"))) {
            QVERIFY(page->ckShiftLine->isHidden());
            continue;
        }
        QVERIFY(page->ckShiftLine->isVisible());
        QCOMPARE(page->ckShiftLine->text(), compactFiguresLine(extra));
        QVERIFY2(extra.earlyCount == 1 && extra.lateMinutes > 0, qPrintable(page->ckShiftLine->text()));
        QCOMPARE(extra.overtimeHoliday > 0, employee.startsWith(QStringLiteral("0001")));
    }

    click(page->summaryButton);
    QVERIFY(page->summary);
    if (page->summary->isBuilding())
        QVERIFY(QSignalSpy(page->summary, &SummaryDialog::buildEnded).wait(120000));
    const QAbstractItemModel* table = page->summary->sorted;
    QVERIFY(table->rowCount() >= 2);
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList shown;
        for (int c = SummaryModel::kFirstPayrollColumn; c < SummaryModel::kColumnCount; ++c)
            shown.append(table->index(row, c).data().toString());
        const QString employee = table->index(row, SummaryModel::kEmployeeColumn).data().toString();
        QCOMPARE(shown.join(u' '), summaryFigures.value(employee));
    }
}

QTEST_MAIN(TestShiftJourney)
#include "test_shift_journey.moc"
