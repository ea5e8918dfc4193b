// A user's way through the window: the roster on page 3, a registration and a
// duty day on page 1, and both seen in the remarks of the analysis on page 2.

#include "PageTestSupport.h"
#include "support/TestPaths.h"
#include "analysis/ui/AnalysisPage.h"
#include "import/ui/DataFolderPanel.h"
#include "settings/ui/PageTextBox.h"
#include "shell/Form1.h"
#include "widgets/ClickLabel.h"
#include "widgets/PictureButton.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

using namespace tarnby::ui;

namespace {

class TestJourney : public QObject {
    Q_OBJECT

    pagetest::MessageLog unexpected_;

private:
    template <class T>
    static T* child(QWidget& w, const QString& name)
    {
        T* found = w.findChild<T*>(name);
        if (!found)
            qFatal("no %s", qPrintable(name));
        return found;
    }
    static void press(Form1& window, int n)
    {
        QTest::mouseClick(window.bnPic[n], Qt::LeftButton, {}, QPoint(10, 10));
    }
    static int indexContaining(QComboBox* box, const QString& text)
    {
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemText(i).contains(text))
                return i;
        }
        return -1;
    }
    // The days of the result list whose remark matches, by their date text.
    static QStringList daysWhere(Form1& window, const QRegularExpression& remark)
    {
        auto* list = child<QTreeWidget>(window, QStringLiteral("cLV"));
        QStringList days;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list->topLevelItem(i);
            if (remark.match(row->text(list->columnCount() - 1)).hasMatch())
                days.append(row->text(0));
        }
        return days;
    }

private slots:
    void aRegistrationAndADutyDayReachTheRemarks()
    {
        QStringList init = pagetest::initLines({});
        init[0] = QStringLiteral("[A2B2]数据读取位置");
        pagetest::ProgramFolder folder;
        folder.writeInit(init);
        QDir program(folder.path());
        program.mkdir(QStringLiteral("Source"));
        const QDir samples(testsupport::sampleFolder());
        for (const QString& name : samples.entryList({QStringLiteral("*.xls"), QStringLiteral("*.xlsx"), QStringLiteral("*.csv")}, QDir::Files))
            QVERIFY(QFile::copy(samples.filePath(name), program.filePath(QStringLiteral("Source/") + name)));

        pagetest::MessageLog log;
        Form1 window(folder.path(), [] { return QDateTime(QDate(2026, 11, 20), QTime(9, 0)); });
        QVERIFY(pagetest::showActive(window));
        log.messages.clear();

        window.SwitchPage(3);
        for (const auto& [number, name] : {std::pair{"0002", "李四"}, std::pair{"0003", "王五"}}) {
            child<PageTextBox>(window, QStringLiteral("sTxt(0)"))->setText(QString::fromUtf8(number));
            child<PageTextBox>(window, QStringLiteral("sTxt(1)"))->setText(QString::fromUtf8(name));
            press(window, 1);
        }
        press(window, 0);
        QCOMPARE(log.texts(), QStringList{"员工编号保存成功！"});

        window.SwitchPage(1);
        auto* employee = child<QComboBox>(window, QStringLiteral("dCmb(0)"));
        employee->setCurrentIndex(indexContaining(employee, QStringLiteral("王五")));
        child<PageTextBox>(window, QStringLiteral("dTxt(1)"))->setText(QStringLiteral("10"));
        child<PageTextBox>(window, QStringLiteral("dTxt(2)"))->setText(QStringLiteral("发烧"));
        child<QComboBox>(window, QStringLiteral("dCmb(2)"))->setCurrentText(QStringLiteral("病假"));
        child<QComboBox>(window, QStringLiteral("dCmb(3)"))->setCurrentText(QStringLiteral("1"));
        press(window, 6);
        press(window, 9);
        auto* dutyPicker = child<QComboBox>(window, QStringLiteral("dCmb(1)"));
        dutyPicker->setCurrentIndex(indexContaining(dutyPicker, QStringLiteral("李四")));
        ClickLabel* day12 = nullptr;
        for (int i = 0; i < 42; ++i) {
            auto* label = child<ClickLabel>(window, QStringLiteral("dzLab(%1)").arg(i));
            if (label->text() == QStringLiteral("12"))
                day12 = label;
        }
        QVERIFY(day12);
        QTest::mouseClick(day12, Qt::LeftButton);
        press(window, 7);
        QCOMPARE(log.texts(), (QStringList{"员工编号保存成功！", "登记信息保存成功！", "值日安排保存成功！"}));

        window.SwitchPage(2);
        press(window, 11);
        press(window, 13);
        // The read runs on a worker; the panel is back once it has ended.
        QTRY_VERIFY_WITH_TIMEOUT(!window.analysisPage->cxPic->isReading(), 60000);
        press(window, 14);
        for (const auto& m : log.messages)
            QVERIFY2(m.title != QStringLiteral("错误"), qPrintable(m.text));
        auto* picker = child<QComboBox>(window, QStringLiteral("dCmb(6)"));

        // the default period runs from October 16th to November 15th
        const QRegularExpression registered(QStringLiteral("^\\*"));
        const QRegularExpression onDuty(QStringLiteral("值日"));
        picker->setCurrentIndex(indexContaining(picker, QStringLiteral("王五")));
        press(window, 10);
        QCOMPARE(daysWhere(window, registered), QStringList{"11月10日"});
        QCOMPARE(daysWhere(window, onDuty), QStringList());
        auto* details = child<QTreeWidget>(window, QStringLiteral("cxLV"));
        QCOMPARE(details->topLevelItemCount(), 1);
        QCOMPARE(details->topLevelItem(0)->text(1), QStringLiteral("11月10日"));
        QCOMPARE(details->topLevelItem(0)->text(2), QStringLiteral("发烧"));
        QCOMPARE(details->topLevelItem(0)->text(3), QStringLiteral("病假1天"));

        picker->setCurrentIndex(indexContaining(picker, QStringLiteral("李四")));
        press(window, 10);
        QCOMPARE(daysWhere(window, onDuty), QStringList{"11月12日"});
        QCOMPARE(daysWhere(window, registered), QStringList());
        QCOMPARE(details->topLevelItemCount(), 0);
    }
};

} // namespace

QTEST_MAIN(TestJourney)
#include "test_journey.moc"
