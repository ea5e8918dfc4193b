#include "WeekPatternDialog.h"

#include "ShiftColours.h"
#include "base/EmployeeNumber.h"
#include "widgets/MessageSeam.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QCoreApplication>
#include <algorithm>

namespace tarnby::ui {
namespace {

const char* const kWeekdays[7] = {QT_TRANSLATE_NOOP("WeekPatternDialog", "周一"), QT_TRANSLATE_NOOP("WeekPatternDialog", "周二"), QT_TRANSLATE_NOOP("WeekPatternDialog", "周三"), QT_TRANSLATE_NOOP("WeekPatternDialog", "周四"),
                              QT_TRANSLATE_NOOP("WeekPatternDialog", "周五"), QT_TRANSLATE_NOOP("WeekPatternDialog", "周六"), QT_TRANSLATE_NOOP("WeekPatternDialog", "周日")};

// The keys an entry has besides those this dialog edits: such an entry is
// kept even when its week pattern and department are cleared.
bool hasOtherKeys(const EmployeeSchedule& e)
{
    for (const QString& key : e.source.keys()) {
        if (key != QLatin1String("number") && key != QLatin1String("week") && key != QLatin1String("department"))
            return true;
    }
    return false;
}

QTableWidgetItem* cell(const QString& text)
{
    auto item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

WeekPatternDialog::WeekPatternDialog(const Schedules& model, const QList<RosterEntry>& roster, QWidget* parent)
    : QDialog(parent)
    , model_(model)
{
    setObjectName(QStringLiteral("weekPatterns"));
    setWindowTitle(QCoreApplication::translate("WeekPatternDialog", "周排班与部门"));
    setSizeGripEnabled(true);

    QStringList names;
    for (const RosterEntry& e : roster) {
        numbers_.append(e.number);
        names.append(e.name);
    }
    for (const EmployeeSchedule& e : model_.employees) {
        const bool listed = std::any_of(numbers_.cbegin(), numbers_.cend(),
                                        [&](const QString& n) { return sameRegistrationNumber(n, e.number); });
        if (!listed) {
            numbers_.append(e.number);
            names.append(QCoreApplication::translate("WeekPatternDialog", "（不在员工列表）"));
        }
    }

    table = new QTableWidget(int(numbers_.size()), kFirstDayColumn + 7, this);
    table->setObjectName(QStringLiteral("weekTable"));
    table->setAccessibleName(QCoreApplication::translate("WeekPatternDialog", "员工周排班"));
    QStringList headers{QCoreApplication::translate("WeekPatternDialog", "编号"), QCoreApplication::translate("WeekPatternDialog", "姓名"), QCoreApplication::translate("WeekPatternDialog", "部门")};
    for (const char* day : kWeekdays)
        headers.append(QCoreApplication::translate("WeekPatternDialog", day));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    for (int c = kFirstDayColumn; c < kFirstDayColumn + 7; ++c)
        table->setColumnWidth(c, 62);
    table->setColumnWidth(kNumberColumn, 64);
    table->setColumnWidth(kNameColumn, 110);
    table->setColumnWidth(kDepartmentColumn, 90);
    for (int row = 0; row < int(numbers_.size()); ++row) {
        table->setItem(row, kNumberColumn, cell(numbers_.at(row)));
        table->setItem(row, kNameColumn, cell(names.at(row)));
        showRow(row);
    }
    connect(table, &QTableWidget::itemSelectionChanged, this, &WeekPatternDialog::selectionChanged);

    auto edit = new QGroupBox(QCoreApplication::translate("WeekPatternDialog", "设置所选员工（可按住 Ctrl 或 Shift 多选）"), this);
    auto grid = new QGridLayout(edit);
    QStringList choices{kRestEntry};
    for (const Shift& s : model_.shifts)
        choices.append(s.name);
    choices += QStringList{kBuiltInAdministrative, kBuiltInNineToFive};
    for (int d = 0; d < 7; ++d) {
        auto label = new QLabel(QCoreApplication::translate("WeekPatternDialog", kWeekdays[d]), edit);
        dayBoxes[d] = new QComboBox(edit);
        dayBoxes[d]->setObjectName(QStringLiteral("weekDay(%1)").arg(d));
        dayBoxes[d]->setAccessibleName(QCoreApplication::translate("WeekPatternDialog", kWeekdays[d]));
        dayBoxes[d]->addItems(choices);
        dayBoxes[d]->setCurrentIndex(d < 5 && choices.size() > 1 ? 1 : 0);
        label->setBuddy(dayBoxes[d]);
        grid->addWidget(label, 0, d);
        grid->addWidget(dayBoxes[d], 1, d);
    }
    applyWeekButton = new QPushButton(QCoreApplication::translate("WeekPatternDialog", "设为周排班(&P)"), edit);
    clearWeekButton = new QPushButton(QCoreApplication::translate("WeekPatternDialog", "取消周排班(&X)"), edit);
    clearWeekButton->setToolTip(QCoreApplication::translate("WeekPatternDialog", "所选员工改回按时间模式和结算日历的休息日考勤"));
    departmentEdit = new QLineEdit(edit);
    departmentEdit->setObjectName(QStringLiteral("weekDepartment"));
    departmentEdit->setAccessibleName(QCoreApplication::translate("WeekPatternDialog", "部门"));
    departmentButton = new QPushButton(QCoreApplication::translate("WeekPatternDialog", "设为部门(&B)"), edit);
    for (QPushButton* b : {applyWeekButton, clearWeekButton, departmentButton}) {
        b->setAutoDefault(false);
        b->setAccessibleName(b->text().section(u'(', 0, 0));
    }
    auto departmentLabel = new QLabel(QCoreApplication::translate("WeekPatternDialog", "部门(&M)："), edit);
    departmentLabel->setBuddy(departmentEdit);
    grid->addWidget(applyWeekButton, 2, 0, 1, 2);
    grid->addWidget(clearWeekButton, 2, 2, 1, 2);
    grid->addWidget(departmentLabel, 3, 0);
    grid->addWidget(departmentEdit, 3, 1, 1, 3);
    grid->addWidget(departmentButton, 3, 4, 1, 2);
    connect(applyWeekButton, &QPushButton::clicked, this, &WeekPatternDialog::applyWeek);
    connect(clearWeekButton, &QPushButton::clicked, this, &WeekPatternDialog::clearWeek);
    connect(departmentButton, &QPushButton::clicked, this, &WeekPatternDialog::applyDepartment);

    auto buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("WeekPatternDialog", "确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("WeekPatternDialog", "取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        dropEmptyEntries();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(table, 1);
    layout->addWidget(edit);
    layout->addWidget(new QLabel(QCoreApplication::translate("WeekPatternDialog", "确定后，请在“班次设置”中点击“保存”写入文件。"), this));
    layout->addWidget(buttons);
    resize(760, 460);
}

EmployeeSchedule* WeekPatternDialog::entryOf(int row, bool create)
{
    const QString& number = numbers_.at(row);
    for (EmployeeSchedule& e : model_.employees) {
        if (sameRegistrationNumber(e.number, number))
            return &e;
    }
    if (!create)
        return nullptr;
    EmployeeSchedule e;
    e.number = number;
    model_.employees.append(e);
    return &model_.employees.last();
}

void WeekPatternDialog::showRow(int row)
{
    const EmployeeSchedule* e = entryOf(row, false);
    table->setItem(row, kDepartmentColumn, cell(e ? e->department : QString()));
    for (int d = 0; d < 7; ++d) {
        const QString entry = e && e->week ? (*e->week)[std::size_t(d)] : QString();
        QTableWidgetItem* item = cell(entry.isEmpty() ? QStringLiteral("—") : entry);
        item->setTextAlignment(Qt::AlignCenter);
        if (!entry.isEmpty())
            item->setBackground(shiftColour(model_, entry));
        table->setItem(row, kFirstDayColumn + d, item);
    }
}

QList<int> WeekPatternDialog::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void WeekPatternDialog::selectionChanged()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    const EmployeeSchedule* e = entryOf(rows.first(), false);
    departmentEdit->setText(e ? e->department : QString());
    if (!e || !e->week)
        return;
    for (int d = 0; d < 7; ++d) {
        const int index = dayBoxes[d]->findText((*e->week)[std::size_t(d)]);
        if (index >= 0)
            dayBoxes[d]->setCurrentIndex(index);
    }
}

void WeekPatternDialog::applyWeek()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        showMessage(this, {kTitleError, QCoreApplication::translate("WeekPatternDialog", "请先在表中选择员工！"), MessageIcon::Critical});
        return;
    }
    std::array<QString, 7> week;
    for (int d = 0; d < 7; ++d)
        week[std::size_t(d)] = dayBoxes[d]->currentText();
    for (int row : rows) {
        entryOf(row, true)->week = week;
        showRow(row);
    }
}

void WeekPatternDialog::clearWeek()
{
    for (int row : selectedRows()) {
        if (EmployeeSchedule* e = entryOf(row, false))
            e->week.reset();
        showRow(row);
    }
}

void WeekPatternDialog::applyDepartment()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        showMessage(this, {kTitleError, QCoreApplication::translate("WeekPatternDialog", "请先在表中选择员工！"), MessageIcon::Critical});
        return;
    }
    const QString department = departmentEdit->text().trimmed();
    for (int row : rows) {
        if (EmployeeSchedule* e = entryOf(row, !department.isEmpty()))
            e->department = department;
        showRow(row);
    }
}

void WeekPatternDialog::dropEmptyEntries()
{
    model_.employees.removeIf([](const EmployeeSchedule& e) {
        return !e.week && e.department.isEmpty() && !hasOtherKeys(e);
    });
}

} // namespace tarnby::ui
