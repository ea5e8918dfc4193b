// The shift editor and the monthly roster on their own: faults named as they
// are typed, shifts in use kept, a rename carried into the rosters, cells
// set by mouse and keyboard, unsaved months kept until the user lets them
// go, a failed save that loses nothing, and every control reachable.

#include "PageTestSupport.h"
#include "base/TextFile.h"
#include "settings/ui/ShiftEditorDialog.h"
#include "settings/ui/ShiftRosterDialog.h"
#include "settings/ui/WeekPatternDialog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <functional>

using namespace tarnby;
using namespace tarnby::ui;

namespace {

const QByteArray kSchedules = R"({"version": 1, "shifts": [
  {"name": "白班", "times": ["08:00","12:00","13:30","17:30"]},
  {"name": "夜班", "times": ["20:00","08:00"], "dayStart": "12:00"}],
 "employees": [{"number": "0001", "week": ["白班","白班","白班","白班","白班","休","休"]}]})";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void typeText(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Employee 0001's days 1-6 of the roster on show, "-" for none.
QString firstDays(const ShiftRosterDialog& roster)
{
    QString out;
    for (int d = 1; d <= 6; ++d) {
        const QString e = roster.roster().entry(QStringLiteral("0001"), d);
        out += e.isEmpty() ? QStringLiteral("-") : e.left(1);
    }
    return out;
}

} // namespace

class TestShiftDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<pagetest::ProgramFolder> folder_;
    pagetest::MessageLog log_;
    // How the user answers a question; every other message is acknowledged.
    MessageAnswer answer_ = MessageAnswer::Ok;

private slots:
    void initTestCase()
    {
        setMessageHandler([this](QWidget*, const Message& m) {
            log_.messages.append(m);
            return m.buttons == MessageButtons::OkCancel ? answer_ : MessageAnswer::Ok;
        });
    }
    void init()
    {
        folder_ = std::make_unique<pagetest::ProgramFolder>();
        log_.messages.clear();
        answer_ = MessageAnswer::Ok;
        writeFile(schedules::filePath(folder_->path()), kSchedules);
        QVERIFY(textfile::writeUtf8Lines(folder_->srDate(QStringLiteral("202611.shift")),
                                         {QStringLiteral("0002\t\t夜班\t夜班")}).ok());
    }

    void theEditorNamesAFaultAsItIsTyped_data()
    {
        QTest::addColumn<std::function<void(ShiftEditorDialog&)>>("type");
        QTest::addColumn<QString>("fault");
        QTest::newRow("an off time typed into the next window names both") << std::function([](ShiftEditorDialog& e) {
            e.timeEdits[1]->setFocus();
            e.timeEdits[1]->setSelectedSection(QDateTimeEdit::HourSection);
            QTest::keyClicks(e.timeEdits[1], QStringLiteral("1310"));
        }) << QStringLiteral("A下班 时段（13:10–13:40）与 P上班 时段（13:00–14:30）重叠");
        QTest::newRow("a day start after the first window names it") << std::function([](ShiftEditorDialog& e) {
            e.dayStartEdit->setSelectedSection(QDateTimeEdit::HourSection);
            QTest::keyClicks(e.dayStartEdit, QStringLiteral("0730"));
        }) << QStringLiteral("A上班 时段（07:00–09:00）超出了工作日");
        QTest::newRow("a name another shift has, before it is committed") << std::function([](ShiftEditorDialog& e) {
            e.nameEdit->selectAll();
            typeText(e.nameEdit, QStringLiteral("夜班"));
        }) << QStringLiteral("已有名为“夜班”的班次");
        QTest::newRow("休 as the short name") << std::function([](ShiftEditorDialog& e) { typeText(e.shortEdit, QStringLiteral("休")); })
                                            << QStringLiteral("简称不能是“休”");
    }
    void theEditorNamesAFaultAsItIsTyped()
    {
        QFETCH(std::function<void(ShiftEditorDialog&)>, type);
        QFETCH(QString, fault);
        ShiftEditorDialog editor(folder_->path());
        QVERIFY(editor.load());
        QCOMPARE(editor.fault(), QString());
        type(editor);
        QVERIFY2(editor.fault().contains(fault), qPrintable(editor.fault()));
        editor.saveButton->click();
        QCOMPARE(log_.lastTitle(), kTitleError);
        QCOMPARE(testsupport::bytesOf(schedules::filePath(folder_->path())), kSchedules);
    }

    void aShiftInUseStaysAndARenameReachesTheRosters()
    {
        ShiftEditorDialog editor(folder_->path());
        QVERIFY(editor.load());
        editor.removeButton->click();
        QVERIFY2(log_.lastText().contains(QStringLiteral("员工 0001 的周排班（周一、周二、周三、周四、周五）")), qPrintable(log_.lastText()));
        editor.shiftList->setCurrentRow(1);
        editor.removeButton->click();
        QVERIFY2(log_.lastText().contains(QStringLiteral("排班表 2026年11月（1 人共 2 天）")), qPrintable(log_.lastText()));
        QCOMPARE(editor.model().shifts.size(), 2);

        editor.renameButton->click();
        typeText(editor.nameEdit, QStringLiteral("大夜班"));
        QTest::keyClick(editor.nameEdit, Qt::Key_Return);
        editor.addButton->click();
        editor.removeButton->click(); // a new shift in use nowhere goes after the question
        QCOMPARE(log_.messages.last().buttons, MessageButtons::OkCancel);
        QVERIFY(editor.save());
        QCOMPARE(log_.lastText(), QStringLiteral("班次设置保存成功！"));
        const Schedules saved = schedules::load(folder_->path()).value();
        QCOMPARE(saved.shifts.size(), 2);
        QCOMPARE(saved.shifts.at(1).name, QStringLiteral("大夜班"));
        QCOMPARE(shiftroster::load(folder_->path(), MonthKey{2026, 11}, saved)->entry(QStringLiteral("2"), 3),
                 QStringLiteral("大夜班"));
    }

    void cellsAreSetByMouseAndKeyboard_data()
    {
        QTest::addColumn<std::function<void(ShiftRosterDialog&)>>("act");
        QTest::addColumn<QString>("days");
        const auto select = [](ShiftRosterDialog& r, int from, int to) {
            r.grid->setCurrentCell(0, from - 1);
            r.grid->setRangeSelected(QTableWidgetSelectionRange(0, from - 1, 0, to - 1), true);
        };
        QTest::newRow("a shift's digit sets the selected days") << std::function([=](ShiftRosterDialog& r) {
            select(r, 1, 3);
            QTest::keyClick(r.grid, Qt::Key_2);
        }) << QStringLiteral("夜夜夜---");
        QTest::newRow("0, and a short name from the input method") << std::function([=](ShiftRosterDialog& r) {
            select(r, 2, 2);
            QTest::keyClick(r.grid, Qt::Key_0);
            select(r, 4, 4);
            QInputMethodEvent typed;
            typed.setCommitString(QStringLiteral("白"));
            QCoreApplication::sendEvent(r.grid, &typed);
        }) << QStringLiteral("-休-白--");
        QTest::newRow("Delete clears what a rotation filled") << std::function([=](ShiftRosterDialog& r) {
            select(r, 1, 6);
            r.rotationEdit->setText(QStringLiteral("白夜休"));
            r.rotationButton->click();
            select(r, 5, 6);
            QTest::keyClick(r.grid, Qt::Key_Delete);
        }) << QStringLiteral("白夜休白--");
        QTest::newRow("a drag with a tool paints the days passed") << std::function([](ShiftRosterDialog& r) {
            r.toolButtons.at(r.toolEntries.indexOf(kRestEntry))->click();
            QWidget* view = r.grid->viewport();
            const QPoint from = r.grid->visualRect(r.grid->model()->index(0, 1)).center();
            const QPoint to = r.grid->visualRect(r.grid->model()->index(0, 4)).center();
            QTest::mousePress(view, Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view, &move);
            QTest::mouseRelease(view, Qt::LeftButton, {}, to);
        }) << QStringLiteral("-休休休休-");
    }
    void cellsAreSetByMouseAndKeyboard()
    {
        QFETCH(std::function<void(ShiftRosterDialog&)>, act);
        QFETCH(QString, days);
        ShiftRosterDialog roster(folder_->path(), MonthKey{2026, 11});
        QVERIFY(roster.load());
        roster.show();
        QCOMPARE(roster.numbers().first(), QStringLiteral("0001"));
        act(roster);
        QCOMPARE(firstDays(roster), days);
        QVERIFY(roster.isModified());
        QCOMPARE(roster.grid->item(0, 0)->text(), days.left(1) == u'-' ? QString() : days.left(1));
    }

    void anUnsavedMonthIsLeftOnlyWhenTheUserSaysSo()
    {
        ShiftRosterDialog roster(folder_->path(), MonthKey{2026, 11});
        QVERIFY(roster.load());
        roster.grid->setCurrentCell(0, 0);
        QTest::keyClick(roster.grid, Qt::Key_1);
        roster.show();
        answer_ = MessageAnswer::Cancel;
        roster.nextButton->click();
        QCOMPARE(roster.month(), (MonthKey{2026, 11}));
        QCOMPARE(roster.monthBox->currentIndex(), 10);
        roster.closeButton->click();
        QVERIFY(roster.isVisible());
        QVERIFY(log_.lastText().contains(QStringLiteral("2026年11月的排班表已修改，尚未保存")));

        // The file turned into a folder: the save fails, names it, and the month stays as typed.
        const QString file = shiftroster::path(folder_->path(), MonthKey{2026, 11});
        QVERIFY(QFile::remove(file) && QDir().mkdir(file));
        QVERIFY(!roster.save());
        QCOMPARE(log_.lastTitle(), kTitleError);
        QVERIFY2(log_.lastText().contains(QStringLiteral("202611.shift")), qPrintable(log_.lastText()));
        QVERIFY(roster.isModified());
        QCOMPARE(firstDays(roster), QStringLiteral("白-----"));
        answer_ = MessageAnswer::Ok;
        roster.nextButton->click();
        QCOMPARE(roster.month(), (MonthKey{2026, 12}));
    }

    void aMonthThatCannotBeReadIsNeverSavedOver()
    {
        QVERIFY(textfile::writeUtf8Lines(folder_->srDate(QStringLiteral("202612.shift")), {QStringLiteral("0001\t晚班")}).ok());
        const QByteArray before = testsupport::bytesOf(folder_->srDate(QStringLiteral("202612.shift")));
        ShiftRosterDialog roster(folder_->path(), MonthKey{2026, 12});
        QVERIFY(roster.load());
        QCOMPARE(log_.lastTitle(), kTitleError);
        QVERIFY(!roster.grid->isEnabled());
        QVERIFY(!roster.save());
        QCOMPARE(testsupport::bytesOf(folder_->srDate(QStringLiteral("202612.shift"))), before);
    }

    void everyControlHasAnAccessibleNameAndTakesTheFocus()
    {
        ShiftEditorDialog editor(folder_->path());
        QVERIFY(editor.load());
        WeekPatternDialog week(editor.model(), {});
        ShiftRosterDialog roster(folder_->path(), MonthKey{2026, 11});
        QVERIFY(roster.load());
        for (QDialog* dialog : std::initializer_list<QDialog*>{&editor, &week, &roster}) {
            for (QWidget* w : dialog->findChildren<QWidget*>()) {
                const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                                     || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w)
                                     || qobject_cast<QAbstractItemView*>(w);
                QWidget* owner = w->parentWidget();
                if (!control || w->window() != dialog || qobject_cast<QAbstractSpinBox*>(owner) || qobject_cast<QComboBox*>(owner)
                    || w->focusPolicy() == Qt::NoFocus)
                    continue;
                const auto* button = qobject_cast<QAbstractButton*>(w);
                QVERIFY2(!w->accessibleName().isEmpty() || (button && !button->text().isEmpty()),
                         qPrintable(dialog->objectName() + u' ' + w->objectName() + u' ' + w->metaObject()->className()));
                QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(w->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestShiftDialogs)
#include "test_shift_dialogs.moc"
