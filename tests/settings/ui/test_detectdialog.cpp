#include "LayoutTwins.h"
#include "PageTestSupport.h"
#include "settings/ConfigFile.h"
#include "settings/ui/DetectDialog.h"
#include "settings/ui/PageTextBox.h"
#include "settings/ui/SettingsPage.h"
#include "widgets/PictureButton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>

using tarnby::ColumnRole;
using tarnby::ui::DetectDialog;
using tarnby::ui::SettingsPage;

namespace {

layouttest::Punches week()
{
    layouttest::Punches days;
    for (int e = 0; e < 2; ++e)
        for (int d = 0; d < 5; ++d)
            days.append({QStringLiteral("070%1").arg(e + 1), QStringLiteral("员工%1").arg(e + 1), QDate(2026, 11, 2 + d),
                         {QTime(7, 50 + d), QTime(17, 31 + e)}});
    return days;
}

class TestDetectDialog : public QObject {
    Q_OBJECT
    pagetest::MessageLog unexpected_;

private slots:
    void cleanup() { QVERIFY2(unexpected_.messages.isEmpty(), qPrintable(unexpected_.texts().join(u'|'))); }

    // Each layout's columns are coloured by what they hold, from the header row
    // down; only a one-punch-per-row layout a position line can name is put
    // into the boxes, which the page's 保存 then writes.
    void highlightsTheColumnsAndPutsTheCellsIntoTheBoxes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("row");            // a row under the header, 0-based
        QTest::addColumn<QList<int>>("roles");   // column, its role, column, its role...
        QTest::addColumn<QString>("boxes");      // what the boxes hold afterwards; empty when nothing can be put
        QTest::newRow("a header table with a date-time column gives its cells") << "datetime.xls" << 2
                                                                            << QList<int>{0, 0, 1, 1, 2, 2} << "A3 C3";
        QTest::newRow("a headerless log gives A1 and B1") << "log.csv" << 0 << QList<int>{0, 0, 1, 2} << "A1 B1";
        QTest::newRow("date and time columns are no position line") << "date-time.xlsx" << 2
                                                                    << QList<int>{0, 0, 2, 3, 3, 4} << "";
        QTest::newRow("a grid colours the times under each number") << "grid.xlsx" << 6 << QList<int>{17, 4, 20, 4} << "";
    }
    void highlightsTheColumnsAndPutsTheCellsIntoTheBoxes()
    {
        QFETCH(QString, file);
        QFETCH(int, row);
        QFETCH(QList<int>, roles);
        QFETCH(QString, boxes);
        const layouttest::Punches days = week();
        QTemporaryDir exports;
        const QString path = exports.filePath(file);
        if (file.startsWith(u"datetime"))
            layouttest::write(layouttest::headerTable(days, layouttest::Shape::DateTime), layouttest::Format::Xls, path);
        else if (file.startsWith(u"log"))
            layouttest::write(layouttest::log(days), layouttest::Format::Csv, path);
        else if (file.startsWith(u"date-time"))
            layouttest::write(layouttest::headerTable(days, layouttest::Shape::DateAndTime), layouttest::Format::Xlsx, path);
        else
            layouttest::write(layouttest::grid(days, QDate(2026, 10, 16), QDate(2026, 11, 15)), layouttest::Format::Xlsx, path);

        // Cells that hold nothing in any of the files, so that the layouts are tried.
        pagetest::ProgramFolder folder;
        QStringList lines = pagetest::initLines({QStringLiteral("0701,员工1")});
        lines[0] = QStringLiteral("[F2G2]数据读取位置");
        folder.writeInit(lines);
        SettingsPage page(folder.path());
        page.prepare();
        const auto previous = DetectDialog::setFileAsker([&path](QWidget*) { return path; });
        QTest::mouseClick(page.detectButton, Qt::LeftButton, {}, QPoint(10, 10));
        DetectDialog::setFileAsker(previous);
        auto* dialog = page.findChild<DetectDialog*>();
        QVERIFY(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isReading() && dialog->cells->rowCount() > row, 20000);
        for (int i = 0; i + 1 < roles.size(); i += 2)
            QCOMPARE(dialog->cells->item(row, roles[i])->background().color(), DetectDialog::roleColour(ColumnRole(roles[i + 1])));
        QCOMPARE(dialog->putButton->isEnabled(), !boxes.isEmpty());
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::mouseClick(dialog->putButton, Qt::LeftButton, {}, QPoint(10, 10));
        const QString shown = page.findChild<QLineEdit*>(QStringLiteral("sTxt(20)"))->text() + u' '
                              + page.findChild<QLineEdit*>(QStringLiteral("sTxt(21)"))->text();
        QCOMPARE(shown, boxes.isEmpty() ? QStringLiteral("F2 G2") : boxes);
        if (boxes.isEmpty())
            return;
        pagetest::MessageLog saved;
        QTest::mouseClick(page.actionButton(5), Qt::LeftButton, {}, QPoint(10, 10));
        const auto position = tarnby::config::LoadReadPosition(folder.path());
        QCOMPARE(position->numberCell + u' ' + position->timeCell, boxes);
    }
};

} // namespace

QTEST_MAIN(TestDetectDialog)
#include "test_detectdialog.moc"
