#include "PageTestSupport.h"
#include "settings/ui/PageTextBox.h"
#include "settings/ui/SettingsPage.h"
#include "widgets/PictureButton.h"

#include <QListWidget>
#include <QTest>

using tarnby::ui::PageTextBox;
using tarnby::ui::SettingsPage;

namespace {

const QString kWrongTime = QStringLiteral("请输入正确的时间！");
const QString kHashInEntry = QStringLiteral("员工编号和姓名中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！");

class TestSettingsPage : public QObject {
    Q_OBJECT

    // No test may ever wait for a person to close a message box.
    pagetest::MessageLog unexpected_;

private:
    static PageTextBox* box(QWidget& page, int i)
    {
        return page.findChild<PageTextBox*>(QStringLiteral("sTxt(%1)").arg(i));
    }
    static QListWidget* list(QWidget& page) { return page.findChild<QListWidget*>(QStringLiteral("sList")); }
    static void press(SettingsPage& page, int n)
    {
        QTest::mouseClick(page.actionButton(n), Qt::LeftButton, {}, QPoint(10, 10));
    }
    static QStringList entries(QWidget& page)
    {
        QStringList out;
        for (int i = 0; i < list(page)->count(); ++i)
            out.append(list(page)->item(i)->text());
        return out;
    }

private slots:
    void cleanup()
    {
        const QStringList stray = unexpected_.texts();
        unexpected_.messages.clear();
        QVERIFY2(stray.isEmpty(), qPrintable(stray.join(u'|')));
    }

    void showingThePageLoadsAllThreeParts()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QCOMPARE(entries(page), (QStringList{QStringLiteral("0001 张三"), QStringLiteral("A2 李四")}));
        QCOMPARE(box(page, 2)->text(), QStringLiteral("08"));
        QCOMPARE(box(page, 19)->text(), QStringLiteral("30"));
        QCOMPARE(box(page, 20)->text(), QStringLiteral("A1"));
        QCOMPARE(box(page, 21)->text(), QStringLiteral("B2"));
        QVERIFY(log.messages.isEmpty());
        QCOMPARE(page.size(), QSize(780, 480));
        for (int n = 0; n <= 5; ++n)
            QCOMPARE(page.actionButton(n)->objectName(), QStringLiteral("bnPic(%1)").arg(n));
        QVERIFY(!page.actionButton(6));
    }

    void aMissingFileIsReportedOnceAndTheListEmptied()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QFile::remove(folder.init());
        page.prepare();
        QCOMPARE(log.messages.size(), 1);
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        QVERIFY(log.lastText().contains(QStringLiteral("Init.ini")));
        QCOMPARE(list(page)->count(), 0);
    }

    void anUnreadableFileShowsTheDefaults_data()
    {
        QTest::addColumn<QStringList>("lines"); // empty: no Init.ini at all
        QTest::newRow("no Init.ini") << QStringList();
        QTest::newRow("an Init.ini without its markers") << QStringList{QStringLiteral("[C3D4]"), QStringLiteral("x")};
    }
    void anUnreadableFileShowsTheDefaults()
    {
        QFETCH(QStringList, lines);
        pagetest::ProgramFolder folder;
        QStringList custom = pagetest::initLines({QStringLiteral("0001,张三")});
        custom[0] = QStringLiteral("[C3D4]");
        custom[custom.indexOf(QStringLiteral("083012001400170020302230090017002130"))] =
            QStringLiteral("071511451315163019002100083016452000");
        folder.writeInit(custom);
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QCOMPARE(box(page, 2)->text(), QStringLiteral("07"));
        if (lines.isEmpty())
            QFile::remove(folder.init());
        else
            folder.writeInit(lines);
        page.prepare();
        QCOMPARE(log.messages.size(), 1);
        const QStringList defaults{"08", "30", "12", "00", "14", "00", "17", "00", "20", "30", "22", "30",
                                   "09", "00", "17", "00", "21", "30", "A1", "B2"};
        QStringList shown;
        for (int i = 2; i <= 21; ++i)
            shown.append(box(page, i)->text());
        QCOMPARE(shown, defaults);
        QCOMPARE(list(page)->count(), 0);
    }

    void aBoxSelectsItsTextOnFocusAndOnEnter()
    {
        pagetest::ProgramFolder folder;
        SettingsPage page(folder.path());
        page.prepare();
        QVERIFY(pagetest::showActive(page));
        QTest::mouseClick(box(page, 2), Qt::LeftButton);
        QTRY_COMPARE(box(page, 2)->selectedText(), QStringLiteral("08"));
        box(page, 2)->deselect();
        QTest::keyClick(box(page, 2), Qt::Key_Return);
        QCOMPARE(box(page, 2)->selectedText(), QStringLiteral("08"));
    }

    void leavingABox_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("refused");
        QTest::newRow("hour 24 becomes 00") << 2 << "24" << "00" << false;
        QTest::newRow("hour 7 becomes 07") << 4 << "7" << "07" << false;
        QTest::newRow("mode 1 minute 5 becomes 05") << 3 << "5" << "05" << false;
        QTest::newRow("mode 2 minute 5 becomes 05") << 15 << "5" << "05" << false;
        QTest::newRow("an empty time becomes 00") << 16 << "" << "00" << false;
        QTest::newRow("minute 59 is kept") << 13 << "59" << "59" << false;
        QTest::newRow("minute 75 is refused and stays") << 5 << "75" << "75" << true;
        QTest::newRow("minute 60 is refused") << 19 << "60" << "60" << true;
        QTest::newRow("hour 25 is refused") << 18 << "25" << "25" << true;
        QTest::newRow("letters never reach a time box") << 6 << "1a" << "01" << false;
        QTest::newRow("the name box takes letters, upper-cased") << 1 << "li si" << "LI SI" << false;
        QTest::newRow("a cell name is upper-cased") << 20 << "d2" << "D2" << false;
    }
    void leavingABox()
    {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, refused);
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QVERIFY(pagetest::showActive(page));
        QWidget* elsewhere = box(page, index == 0 ? 1 : 0);
        pagetest::typeAndLeave(box(page, index), typed, elsewhere);
        QCOMPARE(box(page, index)->text(), shown);
        if (refused) {
            QCOMPARE(log.texts(), QStringList{kWrongTime});
            QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
            QTRY_VERIFY(box(page, index)->hasFocus());
        } else {
            QVERIFY(log.messages.isEmpty());
            QVERIFY(elsewhere->hasFocus());
        }
    }

    void twoWrongBoxesDoNotCallTheFocusBackAndForth()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QVERIFY(pagetest::showActive(page));
        box(page, 5)->setText(QStringLiteral("88"));
        pagetest::typeAndLeave(box(page, 3), QStringLiteral("75"), box(page, 5));
        QTest::qWait(50);
        QCOMPARE(log.texts(), QStringList{kWrongTime});
        QVERIFY(box(page, 3)->hasFocus());
        // the other box still answers for itself once the user leaves it
        box(page, 3)->setText(QStringLiteral("15"));
        pagetest::typeAndLeave(box(page, 5), QStringLiteral("99"), box(page, 0));
        QCOMPARE(log.texts(), (QStringList{kWrongTime, kWrongTime}));
        QTRY_VERIFY(box(page, 5)->hasFocus());
    }

    void addingAnEntry_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focusBox");
        QTest::newRow("no number is reported first, even without a name")
            << "" << "" << "请输入员工编号！" << 0;
        QTest::newRow("no name") << "0007" << "" << "请输入员工姓名！" << 1;
        QTest::newRow("a space in the name would split the entry")
            << "0007" << "王 五" << "员工编号和姓名中不能含有空格或逗号！" << 1;
        QTest::newRow("a comma in the number would split the roster line")
            << "00,7" << "王五" << "员工编号和姓名中不能含有空格或逗号！" << 0;
        QTest::newRow("a full-width comma counts as a comma")
            << "0007" << "王，五" << "员工编号和姓名中不能含有空格或逗号！" << 1;
        QTest::newRow("0000 is kept for all employees")
            << "0000" << "王五" << "编号0000表示全体员工，不能用作员工编号！" << 0;
        // joined with "##" in a registration line, a "#" at an end would move the field boundary
        QTest::newRow("a name ending in #") << "0007" << "王五#" << kHashInEntry << 1;
        QTest::newRow("a number beginning with #") << "#7" << "王五" << kHashInEntry << 0;
        QTest::newRow("a name holding ##") << "0007" << "王##五" << kHashInEntry << 1;
    }
    void addingAnEntry()
    {
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(int, focusBox);
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QVERIFY(pagetest::showActive(page));
        box(page, 0)->setText(number);
        box(page, 1)->setText(name);
        press(page, 1);
        QCOMPARE(log.texts(), QStringList{message});
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        QTRY_VERIFY(box(page, focusBox)->hasFocus());
        QCOMPARE(list(page)->count(), 2);
    }

    void anAddedEntryIsUpperCasedAppendedAndTheBoxesEmptied()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        box(page, 0)->setText(QStringLiteral("s01"));
        box(page, 1)->setText(QStringLiteral("wang"));
        press(page, 1);
        QVERIFY(log.messages.isEmpty());
        QCOMPARE(entries(page).last(), QStringLiteral("S01 WANG"));
        QVERIFY(box(page, 0)->text().isEmpty());
        QVERIFY(box(page, 1)->text().isEmpty());
        // nothing reaches the file before the roster is saved
        QVERIFY(!folder.initText().join(u'\n').contains(QStringLiteral("S01")));
    }

    void removingTakesEverySelectedEntry()
    {
        pagetest::ProgramFolder folder({QStringLiteral("1,甲"), QStringLiteral("2,乙"), QStringLiteral("3,丙"),
                                        QStringLiteral("4,丁"), QStringLiteral("5,戊")});
        SettingsPage page(folder.path());
        page.prepare();
        for (int row : {0, 2, 4})
            list(page)->item(row)->setSelected(true);
        press(page, 2);
        QCOMPARE(entries(page), (QStringList{QStringLiteral("2 乙"), QStringLiteral("4 丁")}));
        press(page, 2);
        QCOMPARE(list(page)->count(), 2);
    }

    void savingTheRosterWritesTheListInItsOrder()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        list(page)->item(0)->setSelected(true);
        press(page, 2);
        box(page, 0)->setText(QStringLiteral("0009"));
        box(page, 1)->setText(QStringLiteral("赵六"));
        press(page, 1);
        press(page, 0);
        QCOMPARE(log.lastTitle(), QStringLiteral("完成"));
        QCOMPARE(log.lastText(), QStringLiteral("员工编号保存成功！"));
        QCOMPARE(folder.initText(), pagetest::initLines({QStringLiteral("A2,李四"), QStringLiteral("0009,赵六")}));
    }

    void savingATimeMode_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("timeLine"); // empty when the save is refused
        QTest::newRow("mode 1 with a one-digit hour still being typed is padded")
            << 3 << 4 << "9" << "083009001400170020302230090017002130";
        QTest::newRow("mode 2 with hour 24 still being typed writes 00")
            << 4 << 14 << "24" << "083012001400170020302230000017002130";
        QTest::newRow("mode 1 with minute 75 still being typed is refused") << 3 << 7 << "75" << "";
        QTest::newRow("mode 2 with hour 30 still being typed is refused") << 4 << 16 << "30" << "";
    }
    void savingATimeMode()
    {
        QFETCH(int, button);
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, timeLine);
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QVERIFY(pagetest::showActive(page));
        const QByteArray before = testsupport::bytesOf(folder.init());
        box(page, index)->setFocus();
        box(page, index)->selectAll();
        QTest::keyClicks(box(page, index), typed);
        press(page, button);
        if (timeLine.isEmpty()) {
            QCOMPARE(log.texts(), QStringList{kWrongTime});
            QCOMPARE(testsupport::bytesOf(folder.init()), before);
            QVERIFY(box(page, index)->hasFocus());
        } else {
            QCOMPARE(log.lastTitle(), QStringLiteral("完成"));
            QCOMPARE(log.lastText(), button == 3 ? QStringLiteral("时间模式[1]保存成功！")
                                                 : QStringLiteral("时间模式[2]保存成功！"));
            QCOMPARE(folder.initText().at(7), timeLine);
        }
    }

    void aWrongTimeLeftBehindAfterItsMessageIsNotSaved()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QVERIFY(pagetest::showActive(page));
        pagetest::typeAndLeave(box(page, 9), QStringLiteral("75"), box(page, 0));
        // the user clicks the list, which leaves the box without its rules again
        box(page, 0)->setFocus();
        QCoreApplication::processEvents();
        const QByteArray before = testsupport::bytesOf(folder.init());
        log.messages.clear();
        press(page, 3);
        QCOMPARE(log.texts(), QStringList{kWrongTime});
        QCOMPARE(testsupport::bytesOf(folder.init()), before);
        QTRY_VERIFY(box(page, 9)->hasFocus());
        // once corrected, the same save goes through
        box(page, 9)->selectAll();
        QTest::keyClicks(box(page, 9), QStringLiteral("45"));
        log.messages.clear();
        press(page, 3);
        QCOMPARE(log.texts(), QStringList{QStringLiteral("时间模式[1]保存成功！")});
        QCOMPARE(folder.initText().at(7), QStringLiteral("083012001400174520302230090017002130"));
    }

    void savingTheReadPosition_data()
    {
        QTest::addColumn<QString>("numberCell");
        QTest::addColumn<QString>("timeCell");
        QTest::addColumn<QString>("firstLine"); // empty when refused
        QTest::newRow("lower-case cells are saved upper-cased") << "c3" << "d4" << "[C3D4]数据读取位置";
        QTest::newRow("a one-character cell would shift the line") << "C" << "D4" << "";
        QTest::newRow("a row must be a digit") << "C3" << "DD" << "";
        QTest::newRow("an empty cell is refused") << "C3" << "" << "";
    }
    void savingTheReadPosition()
    {
        QFETCH(QString, numberCell);
        QFETCH(QString, timeCell);
        QFETCH(QString, firstLine);
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        const QByteArray before = testsupport::bytesOf(folder.init());
        box(page, 20)->setText(numberCell);
        box(page, 21)->setText(timeCell);
        press(page, 5);
        if (firstLine.isEmpty()) {
            QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
            QCOMPARE(log.lastText(), QStringLiteral("请输入正确的单元格名称（列字母加一位行号，如D2）！"));
            QCOMPARE(testsupport::bytesOf(folder.init()), before);
        } else {
            QCOMPARE(log.lastText(), QStringLiteral("数据读取位置保存成功！"));
            QCOMPARE(folder.initText().first(), firstLine);
        }
    }

    void aSaveThatFailsSaysSoAndChangesNothing()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        SettingsPage page(folder.path());
        page.prepare();
        QStringList broken = pagetest::initLines({QStringLiteral("0001,张三")});
        broken.removeAt(broken.indexOf(QStringLiteral(";* 时间结束")));
        folder.writeInit(broken);
        const QByteArray before = testsupport::bytesOf(folder.init());
        press(page, 3);
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        QVERIFY(log.lastText().contains(QStringLiteral(";*")));
        QCOMPARE(testsupport::bytesOf(folder.init()), before);
    }
};

} // namespace

QTEST_MAIN(TestSettingsPage)
#include "test_settingspage.moc"
