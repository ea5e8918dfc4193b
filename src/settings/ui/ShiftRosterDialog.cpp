#include "ShiftRosterDialog.h"

#include "ShiftColours.h"
#include "base/EmployeeNumber.h"
#include "settings/SettlementPeriod.h"
#include "settings/ShiftRotation.h"
#include "widgets/MessageSeam.h"
#include "widgets/SaveQuestion.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QCoreApplication>
#include <algorithm>
#include <set>

namespace tarnby::ui {
namespace {

const char* const kWeekdayChars[7] = {QT_TRANSLATE_NOOP("ShiftRosterDialog", "一"), QT_TRANSLATE_NOOP("ShiftRosterDialog", "二"), QT_TRANSLATE_NOOP("ShiftRosterDialog", "三"), QT_TRANSLATE_NOOP("ShiftRosterDialog", "四"),
                                  QT_TRANSLATE_NOOP("ShiftRosterDialog", "五"), QT_TRANSLATE_NOOP("ShiftRosterDialog", "六"), QT_TRANSLATE_NOOP("ShiftRosterDialog", "日")};
const QColor kHolidayHeading(255, 190, 190);
const QColor kMakeUpHeading(190, 215, 255);
constexpr int kDayWidth = 27;

QString monthText(MonthKey month)
{
    return QCoreApplication::translate("ShiftRosterDialog", "%1年%2月").arg(month.year).arg(month.month);
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent)
{
    auto b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setAccessibleName(QString(text).section(u'(', 0, 0));
    return b;
}

bool anyEntry(const ShiftRoster& roster)
{
    for (const ShiftRosterLine& line : roster.lines()) {
        for (const QString& day : line.days) {
            if (!day.isEmpty())
                return true;
        }
    }
    return false;
}

} // namespace

ShiftRosterDialog::ShiftRosterDialog(const QString& programDir, MonthKey initialMonth, QWidget* parent)
    : QDialog(parent)
    , programDir_(programDir)
    , roster_(initialMonth)
{
    setObjectName(QStringLiteral("shiftRoster"));
    setWindowTitle(QCoreApplication::translate("ShiftRosterDialog", "排班表"));
    setSizeGripEnabled(true);

    yearSpin = new QSpinBox(this);
    yearSpin->setObjectName(QStringLiteral("rosterYear"));
    yearSpin->setAccessibleName(QCoreApplication::translate("ShiftRosterDialog", "年份"));
    yearSpin->setRange(monthfile::kFirstYear, monthfile::kLastYear);
    yearSpin->setKeyboardTracking(false);
    monthBox = new QComboBox(this);
    monthBox->setObjectName(QStringLiteral("rosterMonth"));
    monthBox->setAccessibleName(QCoreApplication::translate("ShiftRosterDialog", "月份"));
    for (int m = 1; m <= 12; ++m)
        monthBox->addItem(QCoreApplication::translate("ShiftRosterDialog", "%1月").arg(m));
    previousButton = button(QCoreApplication::translate("ShiftRosterDialog", "◀ 上月"), QStringLiteral("rosterPrevious"), this);
    nextButton = button(QCoreApplication::translate("ShiftRosterDialog", "下月 ▶"), QStringLiteral("rosterNext"), this);
    copyButton = button(QCoreApplication::translate("ShiftRosterDialog", "复制上月(&C)"), QStringLiteral("rosterCopy"), this);
    clearButton = button(QCoreApplication::translate("ShiftRosterDialog", "清空本月(&E)"), QStringLiteral("rosterClear"), this);
    connect(yearSpin, &QSpinBox::valueChanged, this, &ShiftRosterDialog::monthPicked);
    connect(monthBox, &QComboBox::activated, this, &ShiftRosterDialog::monthPicked);
    connect(previousButton, &QPushButton::clicked, this, [this] { showMonth(previousMonth(month())); });
    connect(nextButton, &QPushButton::clicked, this, [this] {
        const MonthKey m = month();
        showMonth(m.month == 12 ? MonthKey{m.year + 1, 1} : MonthKey{m.year, m.month + 1});
    });
    connect(copyButton, &QPushButton::clicked, this, &ShiftRosterDialog::copyLastMonth);
    connect(clearButton, &QPushButton::clicked, this, &ShiftRosterDialog::clearMonth);
    auto monthBar = new QHBoxLayout;
    auto yearLabel = new QLabel(QCoreApplication::translate("ShiftRosterDialog", "月份(&Y)："), this);
    yearLabel->setBuddy(yearSpin);
    monthBar->addWidget(yearLabel);
    monthBar->addWidget(yearSpin);
    monthBar->addWidget(new QLabel(QCoreApplication::translate("ShiftRosterDialog", "年"), this));
    monthBar->addWidget(monthBox);
    monthBar->addWidget(previousButton);
    monthBar->addWidget(nextButton);
    monthBar->addSpacing(16);
    monthBar->addWidget(copyButton);
    monthBar->addWidget(clearButton);
    monthBar->addStretch();

    grid = new QTableWidget(this);
    grid->setObjectName(QStringLiteral("rosterGrid"));
    grid->setAccessibleName(QCoreApplication::translate("ShiftRosterDialog", "排班表"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setTabKeyNavigation(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setDefaultSectionSize(kDayWidth);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->setAttribute(Qt::WA_InputMethodEnabled);
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    connect(grid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row < 0 || column < 0 || row >= numbers_.size())
            return;
        const QDate date(month().year, month().month, column + 1);
        const QString entry = roster_.entry(numbers_.at(row), column + 1);
        QString text = QCoreApplication::translate("ShiftRosterDialog", "%1 %2　%3月%4日（周%5）：%6")
                           .arg(numbers_.at(row), names_.at(row))
                           .arg(date.month())
                           .arg(date.day())
                           .arg(QCoreApplication::translate("ShiftRosterDialog", kWeekdayChars[date.dayOfWeek() - 1]),
                                entry.isEmpty() ? QCoreApplication::translate("ShiftRosterDialog", "未排班") : entry == kRestEntry ? QCoreApplication::translate("ShiftRosterDialog", "休息") : entry);
        if (const QString holiday = holidays_.holidayName(date); !holiday.isEmpty())
            text += QCoreApplication::translate("ShiftRosterDialog", "（节假日：%1）").arg(holiday);
        else if (holidays_.isWorkingDay(date))
            text += QCoreApplication::translate("ShiftRosterDialog", "（调休上班）");
        statusLabel->setText(text);
    });

    rotationEdit = new QLineEdit(this);
    rotationEdit->setObjectName(QStringLiteral("rosterRotation"));
    rotationEdit->setAccessibleName(QCoreApplication::translate("ShiftRosterDialog", "轮换"));
    rotationEdit->setPlaceholderText(QCoreApplication::translate("ShiftRosterDialog", "例如 白白夜夜休休"));
    rotationEdit->setToolTip(QCoreApplication::translate("ShiftRosterDialog", "各班次的简称连写，或班次全名用空格分开；“休”为休息日"));
    startSpin = new QSpinBox(this);
    startSpin->setObjectName(QStringLiteral("rosterRotationStart"));
    startSpin->setAccessibleName(QCoreApplication::translate("ShiftRosterDialog", "从轮换的第几个开始"));
    startSpin->setRange(1, 62);
    staggerSpin = new QSpinBox(this);
    staggerSpin->setObjectName(QStringLiteral("rosterRotationStagger"));
    staggerSpin->setAccessibleName(QCoreApplication::translate("ShiftRosterDialog", "每人错开几天"));
    staggerSpin->setRange(0, 62);
    staggerSpin->setToolTip(QCoreApplication::translate("ShiftRosterDialog", "第二个所选员工比第一个提前这么多步，依此类推（例如三组倒班错开 2 天）"));
    rotationButton = button(QCoreApplication::translate("ShiftRosterDialog", "按轮换填充所选(&F)"), QStringLiteral("rosterFill"), this);
    connect(rotationButton, &QPushButton::clicked, this, &ShiftRosterDialog::fillRotation);
    connect(rotationEdit, &QLineEdit::returnPressed, this, &ShiftRosterDialog::fillRotation);
    auto rotationBar = new QHBoxLayout;
    auto rotationLabel = new QLabel(QCoreApplication::translate("ShiftRosterDialog", "轮换(&L)："), this);
    rotationLabel->setBuddy(rotationEdit);
    rotationBar->addWidget(rotationLabel);
    rotationBar->addWidget(rotationEdit, 1);
    rotationBar->addWidget(new QLabel(QCoreApplication::translate("ShiftRosterDialog", "从第"), this));
    rotationBar->addWidget(startSpin);
    rotationBar->addWidget(new QLabel(QCoreApplication::translate("ShiftRosterDialog", "个开始，每人错开"), this));
    rotationBar->addWidget(staggerSpin);
    rotationBar->addWidget(new QLabel(QCoreApplication::translate("ShiftRosterDialog", "天"), this));
    rotationBar->addWidget(rotationButton);

    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("rosterStatus"));
    statusLabel->setAccessibleName(QCoreApplication::translate("ShiftRosterDialog", "当前格"));
    auto hint = new QLabel(QCoreApplication::translate("ShiftRosterDialog", "先选工具，再在表中点击或拖动；键盘：方向键移动，Shift+方向键多选，数字 1–9 为各班次，"
                                          "0 为休，Delete 清除，空格填入所选工具。"),
                           this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
    saveButton = button(QCoreApplication::translate("ShiftRosterDialog", "保存(&S)"), QStringLiteral("rosterSave"), this);
    closeButton = button(QCoreApplication::translate("ShiftRosterDialog", "关闭"), QStringLiteral("rosterClose"), this);
    connect(saveButton, &QPushButton::clicked, this, &ShiftRosterDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto foot = new QHBoxLayout;
    foot->addWidget(statusLabel, 1);
    foot->addWidget(saveButton);
    foot->addWidget(closeButton);

    auto layout = new QVBoxLayout(this);
    layout->addLayout(monthBar);
    layout->addWidget(buildToolBar());
    layout->addWidget(grid, 1);
    layout->addLayout(rotationBar);
    layout->addWidget(hint);
    layout->addLayout(foot);
    resize(1000, 560);
}

QWidget* ShiftRosterDialog::buildToolBar()
{
    auto bar = new QWidget(this);
    auto layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QCoreApplication::translate("ShiftRosterDialog", "工具："), bar));
    tools_ = new QButtonGroup(bar);
    tools_->setExclusive(true);
    return bar;
}

bool ShiftRosterDialog::load()
{
    Result<Schedules> read = schedules::load(programDir_);
    if (!read) {
        showOutcome(this, Outcome::error(read.error() + QCoreApplication::translate("ShiftRosterDialog", "\n请先修正该文件，再打开排班表。")));
        return false;
    }
    model_ = std::move(read).value();
    const Result<QList<RosterEntry>> roster = config::readRoster(programDir_);
    if (!roster)
        showOutcome(this, roster.outcome());
    employees_ = roster ? roster.value() : QList<RosterEntry>{};
    const HolidayFile holidays = holidays::read(programDir_);
    holidays_ = holidays.calendar;
    if (holidays.status == HolidayFile::Status::Malformed)
        holidayNote_ = holidays.message;

    // 选择, each shift with its digit, the time modes, 休 with 0, 清除.
    auto bar = static_cast<QWidget*>(tools_->parent());
    struct Tool {
        QString entry;
        QString text;
        QString tip;
    };
    QList<Tool> list{{kSelectTool, QCoreApplication::translate("ShiftRosterDialog", "选择"), QCoreApplication::translate("ShiftRosterDialog", "只选择格子，不填入（用于按轮换填充）")}};
    for (qsizetype i = 0; i < model_.shifts.size(); ++i) {
        const Shift& s = model_.shifts.at(i);
        const QString key = i < 9 ? QStringLiteral("%1 ").arg(i + 1) : QString();
        list.append({s.name, key + s.name, QCoreApplication::translate("ShiftRosterDialog", "填入“%1”（%2）").arg(s.name, shiftHoursText(s))});
    }
    list.append({kBuiltInAdministrative, kBuiltInAdministrative, QCoreApplication::translate("ShiftRosterDialog", "填入时间模式一的班次")});
    list.append({kBuiltInNineToFive, kBuiltInNineToFive, QCoreApplication::translate("ShiftRosterDialog", "填入时间模式二的班次")});
    list.append({kRestEntry, QCoreApplication::translate("ShiftRosterDialog", "0 休"), QCoreApplication::translate("ShiftRosterDialog", "填入休息日")});
    list.append({QString(), QCoreApplication::translate("ShiftRosterDialog", "清除"), QCoreApplication::translate("ShiftRosterDialog", "清除所选格子（该日按周排班或时间模式考勤）")});
    for (const Tool& t : list) {
        auto tool = new QToolButton(bar);
        tool->setText(t.text);
        tool->setToolTip(t.tip);
        tool->setAccessibleName(t.entry == kSelectTool ? t.text : t.tip);
        tool->setCheckable(true);
        tool->setFocusPolicy(Qt::StrongFocus);
        tool->setObjectName(QStringLiteral("rosterTool(%1)").arg(toolButtons.size()));
        if (t.entry != kSelectTool && !t.entry.isEmpty()) {
            const QColor c = shiftColour(model_, t.entry);
            tool->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid #8a9ab0; padding: 2px 6px; }"
                                               "QToolButton:checked { border: 2px solid #1c3c64; font-weight: bold; }")
                                    .arg(c.name()));
        }
        tools_->addButton(tool, int(toolButtons.size()));
        bar->layout()->addWidget(tool);
        toolButtons.append(tool);
        toolEntries.append(t.entry);
    }
    static_cast<QHBoxLayout*>(bar->layout())->addStretch();
    toolButtons.first()->setChecked(true);

    const MonthKey wanted = roster_.month();
    roster_ = ShiftRoster();
    modified_ = false;
    return showMonth(wanted.valid() ? wanted : MonthKey{QDate::currentDate().year(), QDate::currentDate().month()});
}

bool ShiftRosterDialog::mayDropChanges()
{
    if (!modified_)
        return true;
    return showMessage(this, {QCoreApplication::translate("ShiftRosterDialog", "排班表"),
                              QCoreApplication::translate("ShiftRosterDialog", "%1的排班表已修改，尚未保存。放弃这些修改吗？").arg(monthText(month())),
                              MessageIcon::Question, MessageButtons::OkCancel}) == MessageAnswer::Ok;
}

bool ShiftRosterDialog::showMonth(MonthKey wanted)
{
    if (!wanted.valid()) {
        showMonthInPickers();
        return false;
    }
    if (wanted == month() && !numbers_.isEmpty())
        return true;
    if (!mayDropChanges()) {
        showMonthInPickers();
        return false;
    }
    readMonth(wanted);
    return true;
}

void ShiftRosterDialog::readMonth(MonthKey wanted)
{
    const Result<ShiftRoster> read = shiftroster::load(programDir_, wanted, model_);
    if (read) {
        roster_ = read.value();
        unreadable_.clear();
    } else {
        roster_ = ShiftRoster(wanted);
        unreadable_ = shiftroster::path(programDir_, wanted);
        showOutcome(this, Outcome::error(read.error() + QCoreApplication::translate("ShiftRosterDialog", "\n为免覆盖其中原有的内容，该月排班表不能修改。")));
    }
    setModified(false);
    buildGrid();
    showMonthInPickers();
}

void ShiftRosterDialog::showMonthInPickers()
{
    const QSignalBlocker year(yearSpin);
    yearSpin->setValue(month().year);
    monthBox->setCurrentIndex(month().month - 1);
}

void ShiftRosterDialog::monthPicked()
{
    showMonth(MonthKey{yearSpin->value(), monthBox->currentIndex() + 1});
}

void ShiftRosterDialog::buildGrid()
{
    numbers_.clear();
    names_.clear();
    for (const RosterEntry& e : employees_) {
        numbers_.append(e.number);
        names_.append(e.name);
    }
    for (const ShiftRosterLine& line : roster_.lines()) {
        const bool listed = std::any_of(numbers_.cbegin(), numbers_.cend(),
                                        [&](const QString& n) { return sameRegistrationNumber(n, line.number); });
        if (!listed) {
            numbers_.append(line.number);
            names_.append(QCoreApplication::translate("ShiftRosterDialog", "（不在员工列表）"));
        }
    }
    const MonthKey m = month();
    const int days = daysInMonth(m.year, m.month);
    grid->clear();
    grid->setRowCount(int(numbers_.size()));
    grid->setColumnCount(days);
    for (int row = 0; row < numbers_.size(); ++row)
        grid->setVerticalHeaderItem(row, new QTableWidgetItem(numbers_.at(row) + u' ' + names_.at(row)));
    for (int day = 1; day <= days; ++day) {
        const QDate date(m.year, m.month, day);
        QString text = QStringLiteral("%1\n%2").arg(day).arg(QCoreApplication::translate("ShiftRosterDialog", kWeekdayChars[date.dayOfWeek() - 1]));
        auto heading = new QTableWidgetItem;
        if (const QString holiday = holidays_.holidayName(date); !holiday.isEmpty()) {
            text += QCoreApplication::translate("ShiftRosterDialog", "\n节");
            heading->setBackground(kHolidayHeading);
            heading->setToolTip(QCoreApplication::translate("ShiftRosterDialog", "节假日：%1").arg(holiday));
        } else if (holidays_.isWorkingDay(date)) {
            text += QCoreApplication::translate("ShiftRosterDialog", "\n班");
            heading->setBackground(kMakeUpHeading);
            heading->setToolTip(QCoreApplication::translate("ShiftRosterDialog", "调休上班"));
        } else {
            text += QStringLiteral("\n ");
        }
        if (date.dayOfWeek() >= 6)
            heading->setForeground(QColor(200, 0, 0));
        heading->setText(text);
        grid->setHorizontalHeaderItem(day - 1, heading);
        for (int row = 0; row < numbers_.size(); ++row)
            refreshCell(row, day);
    }
    const bool editable = unreadable_.isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*>{grid, rotationButton, copyButton, clearButton, saveButton})
        w->setEnabled(editable);
    statusLabel->setText(!editable ? QCoreApplication::translate("ShiftRosterDialog", "该月排班文件读不出，不能修改。")
                         : numbers_.isEmpty() ? QCoreApplication::translate("ShiftRosterDialog", "员工列表为空：请先在“系统设置”中添加员工。")
                                              : holidayNote_);
}

void ShiftRosterDialog::refreshCell(int row, int day)
{
    const QString entry = roster_.entry(numbers_.at(row), day);
    QTableWidgetItem* item = grid->item(row, day - 1);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignCenter);
        grid->setItem(row, day - 1, item);
    }
    item->setText(shiftCellText(model_, entry));
    item->setBackground(shiftColour(model_, entry));
    item->setToolTip(entry == kRestEntry ? QCoreApplication::translate("ShiftRosterDialog", "休息") : entry);
}

void ShiftRosterDialog::setCell(int row, int day, const QString& entry)
{
    if (roster_.entry(numbers_.at(row), day) == entry)
        return;
    roster_.setEntry(numbers_.at(row), day, entry);
    refreshCell(row, day);
    setModified(true);
}

void ShiftRosterDialog::setModified(bool modified)
{
    modified_ = modified;
    setWindowTitle(modified ? QCoreApplication::translate("ShiftRosterDialog", "排班表 - %1 *").arg(monthText(month()))
                            : QCoreApplication::translate("ShiftRosterDialog", "排班表 - %1").arg(monthText(month())));
}

void ShiftRosterDialog::setSelected(const QString& entry)
{
    if (!unreadable_.isEmpty())
        return;
    for (const QModelIndex& index : grid->selectionModel()->selectedIndexes())
        setCell(index.row(), index.column() + 1, entry);
    if (const QModelIndex current = grid->currentIndex(); current.isValid())
        emit grid->currentCellChanged(current.row(), current.column(), current.row(), current.column());
}

void ShiftRosterDialog::fillRotation()
{
    if (!unreadable_.isEmpty())
        return;
    const Result<QStringList> steps = parseRotation(rotationEdit->text(), model_);
    if (!steps) {
        showMessage(this, {kTitleError, steps.error(), MessageIcon::Critical});
        rotationEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    std::set<int> rows;
    int first = 0;
    int last = 0;
    for (const QModelIndex& index : grid->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
        first = first == 0 ? index.column() + 1 : std::min(first, index.column() + 1);
        last = std::max(last, index.column() + 1);
    }
    if (rows.empty()) {
        showMessage(this, {kTitleError, QCoreApplication::translate("ShiftRosterDialog", "请先在表中选择要排班的员工和日期！"), MessageIcon::Critical});
        return;
    }
    RotationRange range;
    for (int row : rows)
        range.numbers.append(numbers_.at(row));
    range.firstDay = first;
    range.lastDay = last;
    range.start = startSpin->value() - 1;
    range.stagger = staggerSpin->value();
    ShiftRoster before = roster_;
    tarnby::fillRotation(roster_, steps.value(), range);
    for (int row : rows) {
        for (int day = first; day <= last; ++day) {
            refreshCell(row, day);
            if (before.entry(numbers_.at(row), day) != roster_.entry(numbers_.at(row), day))
                setModified(true);
        }
    }
}

void ShiftRosterDialog::copyLastMonth()
{
    const MonthKey previous = previousMonth(month());
    const Result<ShiftRoster> read = shiftroster::load(programDir_, previous, model_);
    if (!read) {
        showOutcome(this, read.outcome());
        return;
    }
    if (!anyEntry(read.value())) {
        showMessage(this, {kProgramTitle, QCoreApplication::translate("ShiftRosterDialog", "上月（%1）没有排班，无可复制。").arg(monthText(previous)),
                           MessageIcon::Information});
        return;
    }
    if (anyEntry(roster_)
        && showMessage(this, {QCoreApplication::translate("ShiftRosterDialog", "复制上月"),
                              QCoreApplication::translate("ShiftRosterDialog", "%1已有排班，复制上月将替换本月的全部排班。继续吗？").arg(monthText(month())),
                              MessageIcon::Question, MessageButtons::OkCancel}) != MessageAnswer::Ok)
        return;
    roster_ = copiedMonth(read.value(), month(), model_);
    setModified(true);
    buildGrid();
}

void ShiftRosterDialog::clearMonth()
{
    if (!anyEntry(roster_))
        return;
    if (showMessage(this, {QCoreApplication::translate("ShiftRosterDialog", "清空本月"),
                           QCoreApplication::translate("ShiftRosterDialog", "清空%1的全部排班吗？（点击“保存”后才写入文件）").arg(monthText(month())),
                           MessageIcon::Question, MessageButtons::OkCancel}) != MessageAnswer::Ok)
        return;
    roster_ = ShiftRoster(month());
    setModified(true);
    buildGrid();
}

bool ShiftRosterDialog::save()
{
    if (!unreadable_.isEmpty()) {
        showOutcome(this, Outcome::error(QCoreApplication::translate("ShiftRosterDialog", "文件 %1 未能读出，为免覆盖其中原有的内容，本次未保存。请先修正该文件，再重新打开该月。")
                                             .arg(QFileInfo(unreadable_).absoluteFilePath())));
        return false;
    }
    // Employees left without a single day are not written as empty lines.
    ShiftRoster written = roster_;
    for (const ShiftRosterLine& line : roster_.lines()) {
        if (std::all_of(line.days.cbegin(), line.days.cend(), [](const QString& d) { return d.isEmpty(); }))
            written.removeEmployee(line.number);
    }
    const Outcome saved =
        saveAsking(this, [&] { return shiftroster::save(programDir_, written, model_); }, [this] { readMonth(month()); });
    if (!saved.ok()) {
        showOutcome(this, saved);
        return false;
    }
    setModified(false);
    showOutcome(this, Outcome::success(QCoreApplication::translate("ShiftRosterDialog", "%1排班表保存成功！").arg(monthText(month()))));
    return true;
}

std::optional<QString> ShiftRosterDialog::entryOfKey(const QKeyEvent* key) const
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return std::nullopt;
    switch (key->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return QString();
    case Qt::Key_Space: {
        const QString tool = toolEntries.value(tools_->checkedId(), kSelectTool);
        return tool == kSelectTool ? std::nullopt : std::optional<QString>(tool);
    }
    default:
        break;
    }
    return entryOfText(key->text());
}

std::optional<QString> ShiftRosterDialog::entryOfText(const QString& text) const
{
    if (text == QStringLiteral("0") || text == kRestEntry)
        return kRestEntry;
    if (text.size() == 1 && text.at(0) >= u'1' && text.at(0) <= u'9') {
        const int index = text.at(0).unicode() - u'1';
        if (index < model_.shifts.size())
            return model_.shifts.at(index).name;
        return std::nullopt;
    }
    if (!text.isEmpty()) {
        for (const Shift& s : model_.shifts) {
            if (s.shortText() == text)
                return s.name;
        }
    }
    return std::nullopt;
}

bool ShiftRosterDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid && event->type() == QEvent::KeyPress) {
        if (const std::optional<QString> entry = entryOfKey(static_cast<QKeyEvent*>(event))) {
            setSelected(*entry);
            return true;
        }
    }
    // A short name typed through an input method arrives committed, not as a key.
    if (watched == grid && event->type() == QEvent::InputMethod) {
        if (const std::optional<QString> entry = entryOfText(static_cast<QInputMethodEvent*>(event)->commitString())) {
            setSelected(*entry);
            return true;
        }
    }
    if (watched == grid->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QString tool = toolEntries.value(tools_->checkedId(), kSelectTool);
        if (tool != kSelectTool)
            setSelected(tool);
    }
    return QDialog::eventFilter(watched, event);
}

void ShiftRosterDialog::done(int result)
{
    if (!mayDropChanges())
        return;
    QDialog::done(result);
}

} // namespace tarnby::ui
