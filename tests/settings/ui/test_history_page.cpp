// Page 1 and the program folder's history: a month another program saved
// meanwhile is reloaded, overwritten or left as the user answers; "变更记录"
// lists the month's saves, shows what each changed and puts a version back.

#include "PageTestSupport.h"
#include "base/History.h"
#include "settings/ui/HistoryDialog.h"
#include "settings/ui/PageTextBox.h"
#include "settings/ui/RegistrationDutyPage.h"
#include "widgets/PictureButton.h"
#include "widgets/SaveQuestion.h"
#include "base/TextFile.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace tarnby::ui;

namespace {

const QDate kWorkDate(2024, 4, 15);

QString line(const QString& number, const QString& name, const QString& date = QStringLiteral("04月01日"),
             const QString& reason = QStringLiteral("外出"))
{
    return QStringList{number, date, name, reason, QStringLiteral("不计漏打1次")}.join(QStringLiteral("##"));
}

// The page's own way to a new row: employee 1 of the picker, the reason typed.
void addRow(RegistrationDutyPage& page, const QString& reason)
{
    page.findChild<QComboBox*>(QStringLiteral("dCmb(0)"))->setCurrentIndex(1);
    page.findChild<PageTextBox*>(QStringLiteral("dTxt(2)"))->setText(reason);
    page.AddRegistration();
}

// Two saves of the month: one row, then a second row added.
void saveTwoVersions(RegistrationDutyPage& page)
{
    page.prepare(kWorkDate);
    addRow(page, QStringLiteral("外出"));
    page.SaveRegistrations();
    addRow(page, QStringLiteral("开会"));
    page.SaveRegistrations();
}

int rowsOf(RegistrationDutyPage& page)
{
    return page.findChild<QTreeWidget*>(QStringLiteral("dLV"))->topLevelItemCount();
}

// Answers the save question with `answer`, every other message with OK.
struct Answers {
    explicit Answers(MessageAnswer answer)
        : previous(setMessageHandler([this, answer](QWidget*, const Message& m) {
            messages.append(m);
            return m.buttons == MessageButtons::ReloadOverwriteCancel ? answer : MessageAnswer::Ok;
        }))
    {
    }
    ~Answers() { setMessageHandler(previous); }
    QList<Message> messages;
    MessageHandler previous;
};

} // namespace

class TestHistoryPage : public QObject {
    Q_OBJECT
private slots:
    void aMonthSavedMeanwhileIsReloadedOverwrittenOrLeftAsTheUserSays_data();
    void aMonthSavedMeanwhileIsReloadedOverwrittenOrLeftAsTheUserSays();
    void theDialogListsTheMonthsSavesAndPutsAVersionBack();
    void enterInTheListPutsNoVersionBack();
};

void TestHistoryPage::aMonthSavedMeanwhileIsReloadedOverwrittenOrLeftAsTheUserSays_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QStringList>("file"); // the month's file afterwards
    QTest::addColumn<int>("rows");         // the page's rows afterwards
    QTest::addColumn<QString>("said");     // the message after the question
    const QStringList theirs{line("0003", "王五")};
    QTest::newRow("reload: the page shows the file and what differed")
        << MessageAnswer::Reload << theirs << 1 << QStringLiteral("已重新载入");
    QTest::newRow("overwrite: the page's rows are saved")
        << MessageAnswer::Overwrite << QStringList{line("0001", "张三"), line("0001", "张三", "04月15日", "开会")} << 2
        << QStringLiteral("登记信息保存成功！");
    QTest::newRow("cancel: nothing changes") << MessageAnswer::Cancel << theirs << 2 << QString();
}

void TestHistoryPage::aMonthSavedMeanwhileIsReloadedOverwrittenOrLeftAsTheUserSays()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, said);
    pagetest::ProgramFolder folder;
    folder.writeMonth(QStringLiteral("202404.ydj"), {line("0001", "张三")});
    Answers answers(answer);
    RegistrationDutyPage page(folder.path());
    page.prepare(kWorkDate);
    addRow(page, QStringLiteral("开会"));
    QFile other(folder.srDate(QStringLiteral("202404.ydj"))); // another program saves the month meanwhile
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write(tarnby::textfile::encodeGbk(line("0003", "王五") + "\r\n")) > 0);
    other.close();

    page.SaveRegistrations();
    QCOMPARE(answers.messages.value(0).title, kConflictTitle);
    QVERIFY(answers.messages.value(0).text.contains(QStringLiteral("202404.ydj")));
    QTEST(folder.monthLines(QStringLiteral("202404.ydj")), "file");
    QTEST(rowsOf(page), "rows");
    QCOMPARE(answers.messages.size(), said.isEmpty() ? 1 : 2);
    QVERIFY(answers.messages.last().text.startsWith(said));
    if (answer == MessageAnswer::Reload) // what the page held and the file does not, and the other way round
        QVERIFY(answers.messages.last().text.contains(QStringLiteral("- ") + line("0003", "王五")));
}

void TestHistoryPage::theDialogListsTheMonthsSavesAndPutsAVersionBack()
{
    pagetest::ProgramFolder folder;
    pagetest::MessageLog log;
    RegistrationDutyPage page(folder.path());
    saveTwoVersions(page);
    page.SaveDutyRoster();
    folder.writeMonth(QStringLiteral("202405.ydj"), {line("0002", "李四")}); // another month: not listed

    page.ShowHistory();
    auto* dialog = page.findChild<HistoryDialog*>();
    QVERIFY(dialog);
    QCOMPARE(dialog->hLV->topLevelItemCount(), 3);
    QCOMPARE(dialog->hLV->topLevelItem(0)->text(3), QStringLiteral("SrDate/202404.zra"));
    dialog->choose(1); // the second save of the registrations: one row added
    QCOMPARE(dialog->hLV->topLevelItem(1)->text(4), QStringLiteral("1"));
    QCOMPARE(dialog->hDiff->count(), 1);
    QCOMPARE(dialog->hDiff->item(0)->text(), QStringLiteral("+ ") + line("0001", "张三", "04月15日", "开会"));

    QVERIFY(dialog->hBefore->isEnabled());
    QTest::mouseClick(dialog->hBefore, Qt::LeftButton);
    QCOMPARE(folder.monthLines(QStringLiteral("202404.ydj")), QStringList{line("0001", "张三", "04月15日")});
    QCOMPARE(rowsOf(page), 1);
    QCOMPARE(log.lastTitle(), QStringLiteral("完成"));
    // the restore is a change of its own, listed first
    QCOMPARE(dialog->hLV->topLevelItemCount(), 4);
    QVERIFY(dialog->hLV->topLevelItem(0)->text(6).startsWith(QStringLiteral("恢复为")));
    QCOMPARE(dialog->hLV->topLevelItem(0)->text(5), QStringLiteral("1"));
}

// Enter in the list closes the dialog; a version goes back only when its button is pressed.
void TestHistoryPage::enterInTheListPutsNoVersionBack()
{
    pagetest::ProgramFolder folder;
    pagetest::MessageLog log;
    RegistrationDutyPage page(folder.path());
    saveTwoVersions(page);
    page.ShowHistory();
    auto* dialog = page.findChild<HistoryDialog*>();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->choose(0);
    dialog->hLV->setFocus();
    QTest::keyClick(dialog->hLV, Qt::Key_Return);
    QCOMPARE(folder.monthLines(QStringLiteral("202404.ydj")).size(), 2);
    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(TestHistoryPage)
#include "test_history_page.moc"
