#include "PageTestSupport.h"
#include "settings/ui/PageTextBox.h"
#include "settings/ui/RegistrationDutyPage.h"
#include "widgets/ClickLabel.h"
#include "widgets/ImageList.h"
#include "widgets/PictureButton.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using tarnby::ui::ClickLabel;
using tarnby::ui::PageTextBox;
using tarnby::ui::RegistrationDutyPage;

namespace {

const QDate kWorkDate(2024, 4, 15);
const QColor kGrey(224, 224, 224);

class TestRegistrationDutyPage : public QObject {
    Q_OBJECT

    // No test may ever wait for a person to close a message box.
    pagetest::MessageLog unexpected_;

private:
    template <class T>
    static T* child(QWidget& page, const QString& name)
    {
        return page.findChild<T*>(name);
    }
    static PageTextBox* dTxt(QWidget& page, int i) { return child<PageTextBox>(page, QStringLiteral("dTxt(%1)").arg(i)); }
    static QComboBox* dCmb(QWidget& page, int i) { return child<QComboBox>(page, QStringLiteral("dCmb(%1)").arg(i)); }
    static ClickLabel* dzLab(QWidget& page, int i) { return child<ClickLabel>(page, QStringLiteral("dzLab(%1)").arg(i)); }
    static QTreeWidget* dLV(QWidget& page) { return child<QTreeWidget>(page, QStringLiteral("dLV")); }
    static void press(RegistrationDutyPage& page, int n)
    {
        QTest::mouseClick(page.actionButton(n), Qt::LeftButton, {}, QPoint(10, 10));
    }
    static void showMonth(RegistrationDutyPage& page, const QString& year, const QString& month)
    {
        dTxt(page, 3)->setText(year);
        dTxt(page, 4)->setText(month);
        QTest::mouseClick(child<ClickLabel>(page, QStringLiteral("dnLab")), Qt::LeftButton);
    }
    static ClickLabel* dayLabel(QWidget& page, int day)
    {
        for (int i = 0; i < 42; ++i) {
            if (dzLab(page, i)->isEnabled() && dzLab(page, i)->text() == QString::number(day))
                return dzLab(page, i);
        }
        return nullptr;
    }
    static QStringList column(QWidget& page, int k)
    {
        QStringList out;
        for (int i = 0; i < dLV(page)->topLevelItemCount(); ++i)
            out.append(dLV(page)->topLevelItem(i)->text(k));
        return out;
    }
    static QString registrationLine(const QString& number, const QString& date, const QString& name)
    {
        return QStringList{number, date, name, QStringLiteral("外出"), QStringLiteral("不计漏打1次")}.join(
            QStringLiteral("##"));
    }
    static QStringList roster(int count)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines.append(QStringLiteral("S%1,员工%1").arg(i, 2, 10, QLatin1Char('0')));
        return lines;
    }

private slots:
    void cleanup()
    {
        const QStringList stray = unexpected_.texts();
        unexpected_.messages.clear();
        QVERIFY2(stray.isEmpty(), qPrintable(stray.join(u'|')));
    }

    void beforeTheWindowGivesAWorkDateTheClockDecidesFebruary_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("day");
        QTest::newRow("a leap year's clock allows the 29th") << QDate(2024, 2, 10) << QStringLiteral("29");
        QTest::newRow("another year's clock cuts to the 28th") << QDate(2025, 2, 10) << QStringLiteral("28");
    }
    void beforeTheWindowGivesAWorkDateTheClockDecidesFebruary()
    {
        QFETCH(QDate, today);
        QFETCH(QString, day);
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path(), [today] { return QDateTime(today, QTime(9, 0)); });
        dTxt(page, 0)->setText(QStringLiteral("02"));
        dTxt(page, 1)->setText(QStringLiteral("31"));
        // Adding runs the rules of the date boxes first.
        page.AddRegistration();
        QCOMPARE(dTxt(page, 1)->text(), day);
    }

    void preparingFillsPickersDatesAndTheFirstType()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(QDate(2024, 3, 5));
        QCOMPARE(page.size(), QSize(780, 480));
        QStringList first, duty;
        for (int i = 0; i < dCmb(page, 0)->count(); ++i)
            first.append(dCmb(page, 0)->itemText(i));
        for (int i = 0; i < dCmb(page, 1)->count(); ++i)
            duty.append(dCmb(page, 1)->itemText(i));
        QCOMPARE(first, (QStringList{"0000 全体员工", "0001 张三", "A2 李四"}));
        QCOMPARE(duty, (QStringList{"0001 张三(1)", "A2 李四(2)"}));
        QCOMPARE(dCmb(page, 1)->currentIndex(), 0);
        QCOMPARE(dTxt(page, 0)->text(), QStringLiteral("03"));
        QCOMPARE(dTxt(page, 1)->text(), QStringLiteral("05"));
        QCOMPARE(dTxt(page, 3)->text(), QStringLiteral("2024"));
        QCOMPARE(dTxt(page, 4)->text(), QStringLiteral("03"));
        QCOMPARE(dTxt(page, 2)->text(), QStringLiteral("因出勤上午下班卡未能及时打上！"));
        QCOMPARE(dCmb(page, 2)->currentText(), QStringLiteral("漏打"));
        QCOMPARE(child<QLabel>(page, "dLab(12)")->text(), QStringLiteral("不计"));
        QCOMPARE(dCmb(page, 3)->count(), 2);
        QCOMPARE(child<QLabel>(page, "dbLab")->text(), QStringLiteral("次"));
        for (int n = 6; n <= 9; ++n)
            QCOMPARE(page.actionButton(n)->objectName(), QStringLiteral("bnPic(%1)").arg(n));
        QVERIFY(!page.actionButton(5));
        QVERIFY(log.messages.isEmpty());
    }

    void anEmptyRosterLeavesOnlyAllEmployees()
    {
        pagetest::ProgramFolder folder{QStringList()};
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QCOMPARE(dCmb(page, 0)->count(), 1);
        QCOMPARE(dCmb(page, 0)->currentText(), QStringLiteral("0000 全体员工"));
        QCOMPARE(dCmb(page, 1)->count(), 0);
        QCOMPARE(dCmb(page, 1)->currentIndex(), -1);
    }

    void addingBuildsTheRowFromTheParts_data()
    {
        QTest::addColumn<int>("employee");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("amount");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("a missed punch carries the prefix")
            << 2 << 0 << 0 << QStringList{"A2", "04月15日", "李四", "外出", "不计漏打1次"};
        QTest::newRow("sick leave has no prefix")
            << 1 << 2 << 1 << QStringList{"0001", "04月15日", "张三", "外出", "病假1天"};
        QTest::newRow("a fine for everyone")
            << 0 << 5 << 1 << QStringList{"0000", "04月15日", "全体员工", "外出", "处罚10元"};
    }
    void addingBuildsTheRowFromTheParts()
    {
        QFETCH(int, employee);
        QFETCH(int, type);
        QFETCH(int, amount);
        QFETCH(QStringList, row);
        pagetest::ProgramFolder folder;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        dCmb(page, 0)->setCurrentIndex(employee);
        dCmb(page, 2)->setCurrentIndex(type);
        dCmb(page, 3)->setCurrentIndex(amount);
        dTxt(page, 2)->setText(QStringLiteral("外出"));
        press(page, 6);
        QCOMPARE(dLV(page)->topLevelItemCount(), 1);
        QStringList shown;
        for (int k = 0; k < 5; ++k)
            shown.append(dLV(page)->topLevelItem(0)->text(k));
        QCOMPARE(shown, row);
        QCOMPARE(dLV(page)->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QVERIFY(!QFile::exists(folder.srDate("202404.ydj")));
    }

    void leavingADateBox_data()
    {
        QTest::addColumn<QDate>("workDate");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("month"); // dTxt(0) before the typing
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("day 31 in April becomes 30") << kWorkDate << 1 << "04" << "31" << "30" << "";
        QTest::newRow("day 30 in February of a leap work year becomes 29")
            << QDate(2024, 1, 9) << 1 << "02" << "30" << "29" << "";
        QTest::newRow("day 30 in February of a common work year becomes 28")
            << QDate(2023, 1, 9) << 1 << "02" << "30" << "28" << "";
        QTest::newRow("day 32 is refused") << kWorkDate << 1 << "05" << "32" << "32" << "请输入正确的日期！";
        QTest::newRow("day 0 becomes 01") << kWorkDate << 1 << "05" << "0" << "01" << "";
        QTest::newRow("an empty month becomes 01") << kWorkDate << 0 << "05" << "" << "01" << "";
        QTest::newRow("month 3 becomes 03") << kWorkDate << 0 << "05" << "3" << "03" << "";
        QTest::newRow("month 13 is refused") << kWorkDate << 0 << "05" << "13" << "13" << "请输入正确的月份！";
        QTest::newRow("letters never reach the day box") << kWorkDate << 1 << "05" << "x7" << "07" << "";
        QTest::newRow("year 1900 is refused and set to the work year")
            << kWorkDate << 3 << "05" << "1900" << "2024" << "请输入有效的年份(1901-2100)！";
        QTest::newRow("an empty reason is refused") << kWorkDate << 2 << "05" << "" << "" << "请输入登记事由！";
        QTest::newRow("a reason holding ## would split the line")
            << kWorkDate << 2 << "05" << "a##b" << "a##b" << "";
    }
    void leavingADateBox()
    {
        QFETCH(QDate, workDate);
        QFETCH(int, index);
        QFETCH(QString, month);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(workDate);
        QVERIFY(pagetest::showActive(page));
        dTxt(page, 0)->setText(month);
        pagetest::typeAndLeave(dTxt(page, index), typed, dCmb(page, 0));
        QCOMPARE(dTxt(page, index)->text(), shown);
        if (typed.contains(QStringLiteral("##"))) {
            // the core's own text names the field; what matters is the refusal
            QCOMPARE(log.messages.size(), 1);
            QTRY_VERIFY(dTxt(page, index)->hasFocus());
        } else if (message.isEmpty()) {
            QVERIFY(log.messages.isEmpty());
        } else {
            QCOMPARE(log.texts(), QStringList{message});
            QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
            QTRY_VERIFY(dTxt(page, index)->hasFocus());
        }
    }

    void twoWrongBoxesDoNotCallTheFocusBackAndForth()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        dTxt(page, 2)->clear();
        pagetest::typeAndLeave(dTxt(page, 1), QStringLiteral("45"), dTxt(page, 2));
        QTest::qWait(50);
        QCOMPARE(log.texts(), QStringList{"请输入正确的日期！"});
        QVERIFY(dTxt(page, 1)->hasFocus());
    }

    void theMonthOnShowCarriesIntoTheRegistrationMonth()
    {
        pagetest::ProgramFolder folder;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        dTxt(page, 4)->setText(QStringLiteral("7"));
        QCOMPARE(dTxt(page, 0)->text(), QStringLiteral("7"));
    }

    void addingChecksTheBoxesStillBeingTyped()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        dTxt(page, 1)->setFocus();
        dTxt(page, 1)->selectAll();
        QTest::keyClicks(dTxt(page, 1), QStringLiteral("45"));
        press(page, 6);
        QCOMPARE(log.texts(), QStringList{"请输入正确的日期！"});
        QCOMPARE(dLV(page)->topLevelItemCount(), 0);
        dTxt(page, 1)->setText(QStringLiteral("31"));
        press(page, 6);
        QCOMPARE(column(page, 1), QStringList{"04月30日"});
    }

    void enterConfirmsTheMonth_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("box");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("enter in the month box loads that month") << "2024" << "5" << 4 << QStringList{"0002"};
        QTest::newRow("enter in the year box loads that month") << "2024" << "05" << 3 << QStringList{"0002"};
        QTest::newRow("year 1900 keeps the month on show") << "1900" << "05" << 3 << QStringList{"0001"};
        QTest::newRow("month 0 keeps the month on show") << "2024" << "0" << 4 << QStringList{"0001"};
    }
    void enterConfirmsTheMonth()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(int, box);
        QFETCH(QStringList, numbers);
        pagetest::ProgramFolder folder;
        folder.writeMonth("202404.ydj", {registrationLine("0001", "04月02日", "张三")});
        folder.writeMonth("202405.ydj", {registrationLine("0002", "05月02日", "李四")});
        folder.writeMonth("202405.zra", {"020001"});
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        dTxt(page, 3)->setText(year);
        dTxt(page, 4)->setText(month);
        dTxt(page, box)->setFocus();
        QTest::keyClick(dTxt(page, box), Qt::Key_Return);
        QCOMPARE(column(page, 0), numbers);
        QCOMPARE(dTxt(page, box)->selectedText(), dTxt(page, box)->text());
        const bool loaded = numbers.first() == QStringLiteral("0002");
        QCOMPARE(page.dutyRoster().entry(2), loaded ? QStringLiteral("0001") : QStringLiteral("0000"));
    }

    void savingWritesTheMonthTheBoxesShow()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        dCmb(page, 0)->setCurrentIndex(1);
        dTxt(page, 2)->setText(QStringLiteral("外出"));
        press(page, 6);
        // changed without Enter: the rows on show go to the other month's file
        dTxt(page, 4)->setText(QStringLiteral("06"));
        press(page, 9);
        QCOMPARE(log.lastTitle(), QStringLiteral("完成"));
        QCOMPARE(log.lastText(), QStringLiteral("登记信息保存成功！"));
        QVERIFY(!QFile::exists(folder.srDate("202404.ydj")));
        QCOMPARE(folder.monthLines("202406.ydj"), QStringList{registrationLine("0001", "04月15日", "张三")});
    }

    void anEmptyListSavesAsOneEmptyLineAndLoadsEmpty()
    {
        pagetest::ProgramFolder folder;
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        press(page, 9);
        QCOMPARE(testsupport::bytesOf(folder.srDate("202404.ydj")), QByteArray("\r\n"));
        page.prepare(kWorkDate);
        QCOMPARE(dLV(page)->topLevelItemCount(), 0);
        QCOMPARE(log.texts(), QStringList{"登记信息保存成功！"});
    }

    void removingTakesOnlyTheCheckedRows()
    {
        pagetest::ProgramFolder folder;
        folder.writeMonth("202404.ydj", {registrationLine("1", "04月01日", "甲"), registrationLine("2", "04月02日", "乙"),
                                         registrationLine("3", "04月03日", "丙")});
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        press(page, 8);
        QCOMPARE(column(page, 0), (QStringList{"1", "2", "3"}));
        dLV(page)->topLevelItem(0)->setCheckState(0, Qt::Checked);
        dLV(page)->topLevelItem(2)->setCheckState(0, Qt::Checked);
        press(page, 8);
        QCOMPARE(column(page, 0), QStringList{"2"});
        QCOMPARE(dLV(page)->topLevelItem(0)->checkState(0), Qt::Unchecked);
    }

    void doubleClickingARowTogglesItsCheck()
    {
        pagetest::ProgramFolder folder;
        folder.writeMonth("202404.ydj", {registrationLine("1", "04月01日", "甲"), registrationLine("2", "04月02日", "乙")});
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        QTreeWidget* list = dLV(page);
        const QPoint onReason = list->visualItemRect(list->topLevelItem(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onReason);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onReason);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
        QVERIFY(page.registrations().row(1).checked);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onReason);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Unchecked);
        QVERIFY(!page.registrations().row(1).checked);
        QCOMPARE(list->topLevelItem(0)->checkState(0), Qt::Unchecked);
    }

    void aHeaderLabelSortsAndThenReverses()
    {
        pagetest::ProgramFolder folder;
        folder.writeMonth("202404.ydj", {registrationLine("2", "04月09日", "乙"), registrationLine("10", "04月01日", "甲"),
                                         registrationLine("1", "04月20日", "丙")});
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        auto* byDate = child<ClickLabel>(page, "dBnLab(1)");
        QCOMPARE(byDate->text(), QStringLiteral("日期"));
        QTest::mouseClick(byDate, Qt::LeftButton);
        QCOMPARE(column(page, 0), (QStringList{"10", "2", "1"}));
        QTest::keyClick(byDate, Qt::Key_Space); // the heading is a button for the keys too
        QCOMPARE(column(page, 0), (QStringList{"1", "2", "10"}));
        QTest::mouseClick(child<ClickLabel>(page, "dBnLab(5)"), Qt::LeftButton);
        QCOMPARE(column(page, 0), (QStringList{"1", "2", "10"}));
    }

    void aListShowsItsFocusInTheArrowPicture()
    {
        pagetest::ProgramFolder folder;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        auto picture = [&page](int i) {
            return page.findChild<QLabel*>(QStringLiteral("dCbPic(%1)").arg(i))->pixmap().toImage();
        };
        const QImage normal = tarnby::ui::listImage(tarnby::ui::kComboNormal).toImage();
        const QImage focused = tarnby::ui::listImage(tarnby::ui::kComboFocus).toImage();
        dCmb(page, 2)->setFocus(Qt::TabFocusReason);
        QCOMPARE(picture(2), focused);
        QCOMPARE(picture(0), normal);
        dCmb(page, 0)->setFocus(Qt::TabFocusReason);
        QCOMPARE(picture(2), normal);
        QCOMPARE(picture(0), focused);
    }

    void theGridPutsDayOneUnderItsWeekday_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("lastDay");
        QTest::newRow("September 2024 starts on Sunday") << "9" << 0 << 30;
        QTest::newRow("June 2024 starts on Saturday") << "6" << 6 << 30;
        QTest::newRow("a 31-day month starting on Friday runs into the sixth row") << "3" << 5 << 31;
        QTest::newRow("February of a leap year") << "2" << 4 << 29;
    }
    void theGridPutsDayOneUnderItsWeekday()
    {
        QFETCH(QString, month);
        QFETCH(int, firstCell);
        QFETCH(int, lastDay);
        pagetest::ProgramFolder folder;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        showMonth(page, QStringLiteral("2024"), month);
        for (int i = 0; i < 42; ++i) {
            const int day = i - firstCell + 1;
            const bool inMonth = day >= 1 && day <= lastDay;
            QCOMPARE(dzLab(page, i)->text(), inMonth ? QString::number(day) : QString());
            QCOMPARE(dzLab(page, i)->isEnabled(), inMonth);
            QCOMPARE(dzLab(page, i)->background(), kGrey);
        }
    }

    void clickingDaysMarksAndUnmarksDuty()
    {
        pagetest::ProgramFolder folder(roster(19));
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        const QColor first = child<ClickLabel>(page, "dcLab(0)")->background();
        QCOMPARE(first, QColor(128, 0, 128));
        dCmb(page, 1)->setCurrentIndex(1);
        QTest::mouseClick(dayLabel(page, 3), Qt::LeftButton);
        QCOMPARE(dayLabel(page, 3)->background(), QColor(0, 128, 0));
        QCOMPARE(page.dutyRoster().entry(3), QStringLiteral("S02"));
        // the 19th employee starts the colours again
        dCmb(page, 1)->setCurrentIndex(18);
        QTest::mouseClick(dayLabel(page, 4), Qt::LeftButton);
        QCOMPARE(dayLabel(page, 4)->background(), first);
        QTest::mouseClick(dayLabel(page, 4), Qt::MiddleButton);
        QCOMPARE(page.dutyRoster().entry(4), QStringLiteral("S19"));
        QTest::mouseClick(dayLabel(page, 3), Qt::RightButton);
        QCOMPARE(dayLabel(page, 3)->background(), kGrey);
        QCOMPARE(page.dutyRoster().entry(3), QStringLiteral("0000"));
        press(page, 7);
        QCOMPARE(log.texts(), QStringList{"值日安排保存成功！"});
        QCOMPARE(log.lastTitle(), QStringLiteral("完成"));
        const QStringList lines = folder.monthLines("202404.zra");
        QCOMPARE(lines.size(), 31);
        QCOMPARE(lines.at(3), QStringLiteral("04S19"));
        QCOMPARE(lines.at(2), QStringLiteral("030000"));
        // redrawn from the file, the 19th is still coloured as the first
        page.prepare(kWorkDate);
        QCOMPARE(dayLabel(page, 4)->background(), first);
    }

    void februaryIsSavedWithAllThirtyOneLines()
    {
        pagetest::ProgramFolder folder;
        folder.writeMonth("202302.zra", {"300001", "05A2"});
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(QDate(2023, 2, 1));
        QVERIFY(!dayLabel(page, 29));
        QCOMPARE(dayLabel(page, 5)->background(), QColor(0, 128, 0));
        press(page, 7);
        const QStringList lines = folder.monthLines("202302.zra");
        QCOMPARE(lines.size(), 31);
        QCOMPARE(lines.at(28), QStringLiteral("290000"));
        QCOMPARE(lines.at(29), QStringLiteral("300001"));
        QCOMPARE(lines.at(30), QStringLiteral("310000"));
    }

    void anEmployeeGoneFromTheRosterStaysButShowsGrey()
    {
        pagetest::ProgramFolder folder;
        folder.writeMonth("202404.zra", {"07X99"});
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QCOMPARE(dayLabel(page, 7)->background(), kGrey);
        press(page, 7);
        QCOMPARE(folder.monthLines("202404.zra").at(6), QStringLiteral("07X99"));
        QCOMPARE(log.texts(), QStringList{"值日安排保存成功！"});
    }

    void anInvalidYearLeavesTheGridAsItWas()
    {
        pagetest::ProgramFolder folder;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QStringList before;
        for (int i = 0; i < 42; ++i)
            before.append(dzLab(page, i)->text());
        showMonth(page, QStringLiteral("1900"), QStringLiteral("09"));
        for (int i = 0; i < 42; ++i)
            QCOMPARE(dzLab(page, i)->text(), before.at(i));
    }

    void aLeftClickWithNobodyToChooseSaysSo()
    {
        pagetest::ProgramFolder folder{QStringList()};
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        QTest::mouseClick(dayLabel(page, 9), Qt::LeftButton);
        QCOMPARE(log.texts(), QStringList{"请先选择值日员工！"});
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(page.dutyRoster().entry(9), QStringLiteral("0000"));
        QCOMPARE(dayLabel(page, 9)->background(), kGrey);
    }

    void withoutSrDateNothingIsSavedAndTheUserIsTold()
    {
        pagetest::ProgramFolder folder;
        QDir(folder.srDate(QString())).removeRecursively();
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(log.messages.isEmpty());
        press(page, 9);
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        press(page, 7);
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(log.messages.size(), 2);
        QVERIFY(!QDir(folder.srDate(QString())).exists());
    }

    void anUnreadableMonthIsNeitherShownNorOverwritten_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("button");
        QTest::newRow("a registration line with three fields") << "202404.ydj" << "0001##04月01日##张三" << 9;
        QTest::newRow("a duty line without a day") << "202404.zra" << "S001" << 7;
    }
    void anUnreadableMonthIsNeitherShownNorOverwritten()
    {
        QFETCH(QString, file);
        QFETCH(QString, line);
        QFETCH(int, button);
        pagetest::ProgramFolder folder;
        folder.writeMonth("202403.ydj", {registrationLine("0001", "03月01日", "张三")});
        folder.writeMonth("202403.zra", {"010001"});
        folder.writeMonth(file, {line});
        const QByteArray before = testsupport::bytesOf(folder.srDate(file));
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(QDate(2024, 3, 1));
        QCOMPARE(dLV(page)->topLevelItemCount(), 1);
        QStringList grid;
        for (int i = 0; i < 42; ++i)
            grid.append(dzLab(page, i)->text());
        const QColor marked = dayLabel(page, 1)->background();
        QVERIFY(marked != kGrey);
        showMonth(page, QStringLiteral("2024"), QStringLiteral("04"));
        page.LoadRegistrations();
        QCOMPARE(log.messages.size(), 1);
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        // The month that could not be read has shown nothing: what stood on
        // the page before stays, as the user last saw it.
        if (button == 9) {
            QCOMPARE(column(page, 1), QStringList{"03月01日"});
        } else {
            for (int i = 0; i < 42; ++i)
                QCOMPARE(dzLab(page, i)->text(), grid.at(i));
            QCOMPARE(dayLabel(page, 1)->background(), marked);
            QCOMPARE(page.dutyRoster().entry(1), QStringLiteral("0001"));
        }
        press(page, button);
        QCOMPARE(log.messages.size(), 2);
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(testsupport::bytesOf(folder.srDate(file)), before);
    }

    void choosingTheSameTypeAgainStartsItsAmountsAfresh_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("firstAmount");
        QTest::newRow("漏打") << 0 << "1";
        QTest::newRow("病假") << 2 << "0.5";
        QTest::newRow("处罚") << 5 << "5";
    }
    void choosingTheSameTypeAgainStartsItsAmountsAfresh()
    {
        QFETCH(int, type);
        QFETCH(QString, firstAmount);
        pagetest::ProgramFolder folder;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        dCmb(page, 2)->setCurrentIndex(type);
        dCmb(page, 3)->setCurrentIndex(1);
        // The user opens the list of types and takes the entry already chosen.
        dCmb(page, 2)->setFocus();
        dCmb(page, 2)->showPopup();
        QTRY_VERIFY(dCmb(page, 2)->view()->isVisible());
        QCOMPARE(dCmb(page, 2)->view()->currentIndex().row(), type);
        QTest::keyClick(dCmb(page, 2)->view(), Qt::Key_Return);
        QCOMPARE(dCmb(page, 2)->currentIndex(), type);
        QCOMPARE(dCmb(page, 3)->currentIndex(), 0);
        QCOMPARE(dCmb(page, 3)->currentText(), firstAmount);
    }

    void addingRefusesFieldsThatWouldMoveTheStoredBoundaries_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("backToReason");
        QTest::newRow("a reason ending in #")
            << "工牌#" << "登记事由中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！" << true;
        QTest::newRow("a reason beginning with #")
            << "#工牌" << "登记事由中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！" << true;
        QTest::newRow("an employee whose name ends in #")
            << "外出" << "员工姓名中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！" << false;
    }
    void addingRefusesFieldsThatWouldMoveTheStoredBoundaries()
    {
        QFETCH(QString, reason);
        QFETCH(QString, message);
        QFETCH(bool, backToReason);
        // a hand-edited roster may hold such a name
        pagetest::ProgramFolder folder({QStringLiteral("0001,张三"), QStringLiteral("0002,工牌#")});
        pagetest::MessageLog log;
        RegistrationDutyPage page(folder.path());
        page.prepare(kWorkDate);
        QVERIFY(pagetest::showActive(page));
        dCmb(page, 0)->setCurrentIndex(backToReason ? 1 : 2);
        dTxt(page, 2)->setText(reason);
        press(page, 6);
        QCOMPARE(log.texts(), QStringList{message});
        QCOMPARE(log.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(dLV(page)->topLevelItemCount(), 0);
        if (backToReason)
            QTRY_VERIFY(dTxt(page, 2)->hasFocus());
    }
};

} // namespace

QTEST_MAIN(TestRegistrationDutyPage)
#include "test_registrationdutypage.moc"
