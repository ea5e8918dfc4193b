#include "RestDayControls.h"

#include "settings/RestDays.h"
#include "settings/RestMarks.h"
#include "widgets/ClickLabel.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"
#include "widgets/SaveQuestion.h"

#include <QDir>
#include <QWidget>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

const char* const kWorkingDayTip = QT_TRANSLATE_NOOP("RestDayControls", "调休上班");

// The years of `days` for which the calendar lists nothing: there only the
// weekends could be marked, which the user has to be told.
QList<int> yearsWithoutSchedule(const QList<QDate>& days, const HolidayCalendar& holidays)
{
    QList<int> years;
    for (const QDate& date : days) {
        if (!years.contains(date.year()))
            years.append(date.year());
    }
    QList<int> missing;
    for (const int year : years) {
        bool listed = false;
        for (QDate d(year, 1, 1); !listed && d.year() == year; d = d.addDays(1))
            listed = holidays.entry(d).has_value();
        if (!listed)
            missing.append(year);
    }
    return missing;
}

} // namespace

RestDayControls::RestDayControls(const QString& programDir, SettlementCalendar& calendar, const Cells& cells,
                                 QWidget* buttonParent)
    : QObject(buttonParent)
    , programDir_(programDir)
    , calendar_(calendar)
    , cells_(cells)
{
    const QString holidayFile = QDir::toNativeSeparators(holidays::filePath(programDir_));
    markButton = new PictureButton(PictureButton::Kind::Action, buttonParent);
    markButton->setObjectName(QStringLiteral("rsPic(0)"));
    markButton->setCaption(QCoreApplication::translate("RestDayControls", "一键标记"));
    markButton->setToolTip(
        QCoreApplication::translate("RestDayControls", "把本期日历上的星期六、星期日和节假日都标记为休息，调休上班日不标记，并立即保存；"
                       "已标记的其他日子保留。\n"
                       "节假日取自程序文件夹中的 %1。\n"
                       "以后各年的安排请照样添加到该文件末尾：每行一天，如“2027-01-01 元旦”，"
                       "调休上班的周末写“上班”。")
            .arg(holidayFile));
    clearButton = new PictureButton(PictureButton::Kind::Action, buttonParent);
    clearButton->setObjectName(QStringLiteral("rsPic(1)"));
    clearButton->setCaption(QCoreApplication::translate("RestDayControls", "清除标记"));
    clearButton->setToolTip(QCoreApplication::translate("RestDayControls", "清除本期日历上的全部休息日标记，并立即保存。"));
    // Four characters need more than the usual button to keep off its border.
    for (PictureButton* button : {markButton, clearButton})
        button->resize(kMarkButtonWidth, button->height());
    connect(markButton, &PictureButton::released, this, &RestDayControls::markWeekendsAndHolidays);
    connect(clearButton, &PictureButton::released, this, &RestDayControls::clearPeriod);
}

QWidget* RestDayControls::messageParent() const
{
    return markButton->window();
}

void RestDayControls::periodDrawn()
{
    const std::optional<SettlementPeriod> period = calendar_.period();
    if (!period) {
        for (ClickLabel* cell : cells_)
            cell->setToolTip(QString());
        return;
    }
    // Month by month: a file in error hides its own marks, not the other month's.
    const QList<QDate> clickable = restdays::clickableDays(*period);
    QList<QDate> marks;
    for (const MonthKey month : restmarks::monthsOf(clickable)) {
        const QString file = restmarks::path(programDir_, month);
        const Result<QList<QDate>> saved = restmarks::readMonth(programDir_, month);
        if (!saved) {
            if (notices_.firstTime(file))
                showOutcome(messageParent(), saved.outcome());
            continue;
        }
        notices_.clear(file);
        for (const QDate& date : saved.value()) {
            if (clickable.contains(date))
                marks.append(date);
        }
    }
    restdays::showMarks(calendar_, marks);
    paintCells();
    // The names are a help, not a use of the file: a bad file is reported by
    // the marking that needs it, not at every redraw.
    const HolidayFile file = holidays::read(programDir_);
    showDayNames(file.calendar);
}

bool RestDayControls::saveClick(int index, ClickButton button)
{
    const std::optional<SettlementPeriod> period = calendar_.period();
    if (button == ClickButton::Other || !period || index < 0 || index >= SettlementCalendar::kCellCount
        || !calendar_.drawing().cells.at(std::size_t(index)).enabled)
        return true; // the click does nothing anyway
    const QDate date = restdays::cellDate(calendar_, index);
    const bool rest = button == ClickButton::Left;
    if (calendar_.isRestDay(period->restFlagIndex(date)) == rest)
        return true;
    const Outcome saved = saveAsking(
        messageParent(), [&] { return restmarks::saveMark(programDir_, date, rest); }, [this] { periodDrawn(); });
    if (!saved.ok()) {
        showOutcome(messageParent(), saved);
        return false;
    }
    // After "overwrite" the click went onto the file as another program left
    // it: the calendar shows the file again, so that it shows what is saved.
    periodDrawn();
    return true;
}

bool RestDayControls::needsPeriod()
{
    if (calendar_.period())
        return true;
    showMessage(messageParent(),
                {kTitleError, QCoreApplication::translate("RestDayControls", "请先选择结算的起始年份和月份！"), MessageIcon::Critical});
    return false;
}

void RestDayControls::markWeekendsAndHolidays()
{
    if (!needsPeriod())
        return;
    const HolidayFile file = holidays::read(programDir_);
    if (!file.ok()) {
        showOutcome(messageParent(), file.outcome());
        return;
    }
    // Added to the user's own marks, but a day the file calls a working day
    // is unmarked: the file is the authority on moved weekends, and a
    // Saturday marked by habit would hide a real absence.
    const QList<QDate> clickable = restdays::clickableDays(*calendar_.period());
    QList<QDate> marks;
    for (const QDate& date :
         restdays::unite(restdays::markedDays(calendar_), restdays::autoRestDays(clickable, file.calendar))) {
        if (!file.calendar.isWorkingDay(date))
            marks.append(date);
    }
    showDayNames(file.calendar);
    if (!savePeriodMarks(marks))
        return;
    for (const int year : yearsWithoutSchedule(clickable, file.calendar)) {
        showMessage(messageParent(),
                    {kProgramTitle,
                     QCoreApplication::translate("RestDayControls", "节假日文件中没有%1年的安排，只标记了星期六和星期日。\n"
                                    "请把%1年的节假日和调休上班日添加到 %2（每行一天，如“%1-01-01 元旦”，"
                                    "调休上班的周末写“上班”），再点击“一键标记”。")
                         .arg(year)
                         .arg(QDir::toNativeSeparators(holidays::filePath(programDir_))),
                     MessageIcon::Warning});
    }
}

void RestDayControls::clearPeriod()
{
    if (!needsPeriod())
        return;
    if (!restdays::markedDays(calendar_).isEmpty()
        && showMessage(messageParent(),
                       {kProgramTitle,
                        QCoreApplication::translate("RestDayControls", "确定清除本期（%1）的全部休息日标记吗？").arg(calendar_.drawing().periodLabel),
                        MessageIcon::Question, MessageButtons::OkCancel})
               != MessageAnswer::Ok)
        return;
    savePeriodMarks({});
}

bool RestDayControls::savePeriodMarks(const QList<QDate>& marks)
{
    const Outcome saved = saveAsking(
        messageParent(), [&] { return restmarks::savePeriod(programDir_, *calendar_.period(), marks); },
        [this] { periodDrawn(); });
    if (!saved.ok()) {
        showOutcome(messageParent(), saved);
        return false;
    }
    restdays::showMarks(calendar_, marks);
    paintCells();
    return true;
}

void RestDayControls::paintCells()
{
    const SettlementCalendar::Drawing& drawing = calendar_.drawing();
    for (int i = 0; i < SettlementCalendar::kCellCount; ++i) {
        const Rgb& c = drawing.cells.at(std::size_t(i)).colour;
        cells_.at(std::size_t(i))->setBackground(QColor(c.red, c.green, c.blue));
    }
}

void RestDayControls::showDayNames(const HolidayCalendar& holidays)
{
    for (int i = 0; i < SettlementCalendar::kCellCount; ++i) {
        QString tip;
        if (const auto entry = holidays.entry(restdays::cellDate(calendar_, i)))
            tip = entry->workingDay ? QCoreApplication::translate("RestDayControls", kWorkingDayTip) : entry->text;
        cells_.at(std::size_t(i))->setToolTip(tip);
    }
}

} // namespace tarnby::ui
