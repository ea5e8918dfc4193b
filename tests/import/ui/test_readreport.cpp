#include "LayoutTwins.h"
#include "PageTestSupport.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "import/ui/ReadReportView.h"
#include "report/ui/SummaryDialog.h"
#include "settings/ConfigFile.h"
#include "widgets/PictureButton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTreeWidget>

using namespace tarnby::ui;

namespace {

// A program folder reading A2/B2 whose roster knows 0701, and an export folder
// holding a clock's grid (0701 and 0702, named) and a clock log without header
// whose first line a read from row 2 loses (0701 and 0799, unnamed).
struct ReadFolder {
    ReadFolder()
        : program({QStringLiteral("0701,员工1")})
    {
        QStringList lines = pagetest::initLines({QStringLiteral("0701,员工1")});
        lines[0] = QStringLiteral("[A2B2]数据读取位置");
        program.writeInit(lines);
        for (int e = 0; e < 2; ++e)
            for (int d = 0; d < 5; ++d)
                days.append({QStringLiteral("070%1").arg(e + 1), QStringLiteral("员工%1").arg(e + 1),
                             QDate(2026, 11, 2 + d), {QTime(7, 50 + d), QTime(17, 31 + e)}});
        layouttest::write(layouttest::grid(days, QDate(2026, 10, 16), QDate(2026, 11, 15)), layouttest::Format::Xls,
                          exports.filePath(QStringLiteral("grid.xls")));
        QFile log(exports.filePath(QStringLiteral("attlog.csv")));
        log.open(QIODevice::WriteOnly);
        log.write("0701,2026-11-02 07:50:00\n0701,2026-11-02 17:31:00\n0799,2026-11-03 08:00:00\n");
        log.close();
        panel.cTxt->setText(exports.path());
        panel.readAndWait();
    }
    pagetest::ProgramFolder program;
    QTemporaryDir exports;
    layouttest::Punches days;
    tarnby::PunchTable table;
    DataFolderPanel panel{program.path(), table};
};

class TestReadReport : public QObject {
    Q_OBJECT
    pagetest::MessageLog unexpected_;

private slots:
    void cleanup() { QVERIFY2(unexpected_.messages.isEmpty(), qPrintable(unexpected_.texts().join(u'|'))); }

    // The panel's line, its report window and the summary window show every
    // file with its layout, records and skipped rows, the hint, and the numbers
    // the roster lacks with the names the grid gives.
    void showsEveryFileAndTheNumbersTheRosterLacks()
    {
        ReadFolder folder;
        QCOMPARE(folder.panel.cxReport->text(), QStringLiteral("2 个文件 22 条，识别 1 个，跳过 2 行，2 个工号未登记"));
        ReadReportView* view = folder.panel.ShowReadReport()->view;
        SummaryDialog summary;
        summary.showReadReport(folder.program.path(), folder.panel.lastReport());
        for (QTreeWidget* files : {view->files, summary.readReport->files}) {
            QCOMPARE(files->topLevelItemCount(), 2);
            const QTreeWidgetItem* log = files->topLevelItem(0);
            const QTreeWidgetItem* grid = files->topLevelItem(1);
            QCOMPARE(log->text(ReadReportView::kRecordsColumn) + u' ' + grid->text(ReadReportView::kRecordsColumn),
                     QStringLiteral("2 20"));
            QCOMPARE(log->childCount(), 0);
            QCOMPARE(grid->child(0)->text(ReadReportView::kLayoutColumn), QStringLiteral("时间无法识别"));
            QCOMPARE(grid->child(1)->text(ReadReportView::kLayoutColumn), QStringLiteral("工号为空"));
            QVERIFY(grid->text(ReadReportView::kWhereColumn).startsWith(QStringLiteral("工作表“刷卡记录”")));
        }
        QVERIFY(view->hints->text().startsWith(QStringLiteral("“attlog.csv”第1行也像是一条打卡记录")));
        QCOMPARE(view->numbers->rowCount(), 2);
        QCOMPARE(view->numbers->item(0, 0)->text() + u'/' + view->numbers->item(0, 1)->text() + u' '
                     + view->numbers->item(1, 0)->text() + u'/' + view->numbers->item(1, 1)->text(),
                 QStringLiteral("0799/ 0702/员工2"));
    }

    // Added numbers are saved as page 3 saves the roster; an entry the roster
    // cannot hold is named and nothing is saved.
    void addsTheNumbersToTheRoster_data()
    {
        QTest::addColumn<QString>("name");        // typed for 0799
        QTest::addColumn<QStringList>("before");  // the roster another window saved meanwhile; empty: none
        QTest::addColumn<QString>("shown");       // the message's text begins so
        QTest::addColumn<QStringList>("roster");
        const QStringList kept{"0701 员工1"};
        QTest::newRow("named numbers are saved") << "新员工" << QStringList{} << "员工编号保存成功"
                                                 << QStringList{"0701 员工1", "0799 新员工", "0702 员工2"};
        QTest::newRow("a name GBK lacks is refused") << "员工😀" << QStringList{} << "工号“0799”的姓名“员工😀”" << kept;
        QTest::newRow("a number without a name is refused") << "" << QStringList{} << "工号“0799”：" << kept;
        QTest::newRow("a name with a blank is refused") << "新 员工" << QStringList{} << "工号“0799”：" << kept;
        QTest::newRow("a number added meanwhile is not added twice")
            << "新员工" << QStringList{"0701,员工1", "0702,员工2"} << "员工编号保存成功"
            << QStringList{"0701 员工1", "0702 员工2", "0799 新员工"};
    }
    void addsTheNumbersToTheRoster()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, before);
        QFETCH(QString, shown);
        QFETCH(QStringList, roster);
        ReadFolder folder;
        ReadReportDialog* dialog = folder.panel.ShowReadReport();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        ReadReportView* view = dialog->view;
        QSignalSpy changed(view, &ReadReportView::rosterChanged);
        const QByteArray stored = testsupport::bytesOf(folder.program.init());
        view->numbers->item(0, ReadReportView::kNameColumn)->setText(name);
        if (!before.isEmpty())
            folder.program.writeInit(pagetest::initLines(before));
        pagetest::MessageLog log;
        QTest::mouseClick(view->addButton, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(log.messages.size(), 1);
        QVERIFY2(log.lastText().startsWith(shown), qPrintable(log.lastText()));
        QCOMPARE(tarnby::pickerTexts(tarnby::config::LoadRosterList(folder.program.path()).value()), roster);
        QCOMPARE(changed.size(), roster.size() > 1 ? 1 : 0);
        QCOMPARE(view->numbers->rowCount(), roster.size() > 1 ? 0 : 2);
        if (roster.size() == 1)
            QCOMPARE(testsupport::bytesOf(folder.program.init()), stored);
    }
};

} // namespace

QTEST_MAIN(TestReadReport)
#include "test_readreport.moc"
