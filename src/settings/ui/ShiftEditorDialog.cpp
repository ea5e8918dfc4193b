#include "ShiftEditorDialog.h"

#include "ShiftColours.h"
#include "ShiftTimelineView.h"
#include "WeekPatternDialog.h"
#include "settings/ConfigFile.h"
#include "settings/ShiftChecks.h"
#include "settings/ShiftUsage.h"
#include "widgets/MessageSeam.h"
#include "widgets/SaveQuestion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

struct ParameterField {
    int Shift::*member;
    const char* label;
    const char* tip;
};
// In the order of ShiftEditorDialog::Parameter.
constexpr ParameterField kParameterFields[ShiftEditorDialog::kParameterCount] = {
    {&Shift::inBefore, QT_TRANSLATE_NOOP("ShiftEditorDialog", "上班卡可提前"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "上班时间前这么多分钟起，打卡计为上班卡")},
    {&Shift::inAfter, QT_TRANSLATE_NOOP("ShiftEditorDialog", "上班卡可延后"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "上班时间后这么多分钟内，打卡仍计为上班卡（计迟到）")},
    {&Shift::secondInBefore, QT_TRANSLATE_NOOP("ShiftEditorDialog", "第二段上班卡可提前"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "第二段上班时间前这么多分钟起，打卡计为第二段上班卡")},
    {&Shift::offAfter, QT_TRANSLATE_NOOP("ShiftEditorDialog", "第一段下班卡可延后"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "第一段下班时间后这么多分钟内，打卡仍计为第一段下班卡")},
    {&Shift::grace, QT_TRANSLATE_NOOP("ShiftEditorDialog", "迟到宽限"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "迟到不超过这么多分钟，按准时计")},
    {&Shift::earlyLeave, QT_TRANSLATE_NOOP("ShiftEditorDialog", "早退计算范围"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "下班时间前这么多分钟内的下班卡计为早退；0 表示下班前的打卡不算下班卡")},
    {&Shift::overtimeFrom, QT_TRANSLATE_NOOP("ShiftEditorDialog", "加班起算"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "最后下班时间再过这么多分钟，开始计加班分钟")},
    {&Shift::overtimeMinimum, QT_TRANSLATE_NOOP("ShiftEditorDialog", "加班最少"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "加班不足这么多分钟，不计加班")},
    {&Shift::overtimeStep, QT_TRANSLATE_NOOP("ShiftEditorDialog", "加班计算单位"), QT_TRANSLATE_NOOP("ShiftEditorDialog", "加班分钟按这个单位向下取整")},
};

constexpr int kDefaultTimes[4] = {8 * 60, 12 * 60, 13 * 60 + 30, 17 * 60 + 30};

QTime timeOf(int minute)
{
    return QTime(minute / 60 % 24, minute % 60);
}

int minuteOf(const QTimeEdit* edit)
{
    const QTime t = edit->time();
    return t.hour() * 60 + t.minute();
}

QTimeEdit* timeEdit(QWidget* parent, const QString& name)
{
    auto edit = new QTimeEdit(parent);
    edit->setDisplayFormat(QStringLiteral("HH:mm"));
    edit->setWrapping(true);
    edit->setAccessibleName(name);
    return edit;
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent)
{
    auto b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setAccessibleName(QString(text).remove(QStringLiteral("&")).section(u'(', 0, 0));
    return b;
}

QIcon swatch(const QColor& colour)
{
    // Drawn at 1x and 2x, so that its border stays one sharp line when scaled.
    QIcon icon;
    for (const int ratio : {1, 2}) {
        QPixmap pixmap(14 * ratio, 14 * ratio);
        pixmap.fill(colour);
        QPainter p(&pixmap);
        p.setPen(QPen(QColor(120, 120, 120), ratio));
        p.drawRect(QRectF(ratio / 2.0, ratio / 2.0, 14.0 * ratio - ratio, 14.0 * ratio - ratio));
        p.end();
        pixmap.setDevicePixelRatio(ratio);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

ShiftEditorDialog::ShiftEditorDialog(const QString& programDir, QWidget* parent)
    : QDialog(parent)
    , programDir_(programDir)
{
    setObjectName(QStringLiteral("shiftEditor"));
    setWindowTitle(QCoreApplication::translate("ShiftEditorDialog", "班次设置"));
    setSizeGripEnabled(true);

    auto top = new QHBoxLayout;
    top->addWidget(buildList());
    top->addWidget(buildForm(), 1);

    timeline = new ShiftTimelineView(this);
    faultLabel = new QLabel(this);
    faultLabel->setObjectName(QStringLiteral("shiftFault"));
    faultLabel->setWordWrap(true);
    faultLabel->setMinimumHeight(34);
    faultLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    faultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    faultLabel->setAccessibleName(QCoreApplication::translate("ShiftEditorDialog", "检查结果"));

    weekButton = button(QCoreApplication::translate("ShiftEditorDialog", "周排班与部门(&W)…"), QStringLiteral("shiftWeekButton"), this);
    saveButton = button(QCoreApplication::translate("ShiftEditorDialog", "保存(&S)"), QStringLiteral("shiftSaveButton"), this);
    closeButton = button(QCoreApplication::translate("ShiftEditorDialog", "关闭"), QStringLiteral("shiftCloseButton"), this);
    connect(weekButton, &QPushButton::clicked, this, &ShiftEditorDialog::openWeekPatterns);
    connect(saveButton, &QPushButton::clicked, this, &ShiftEditorDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto foot = new QHBoxLayout;
    foot->addWidget(weekButton);
    auto note = new QLabel(QCoreApplication::translate("ShiftEditorDialog", "“模式一”“模式二”是内置班次（时间见“上下班时间设定”），也可用于周排班和排班表。"), this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
    foot->addWidget(note, 1);
    foot->addWidget(saveButton);
    foot->addWidget(closeButton);

    auto layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(new QLabel(QCoreApplication::translate("ShiftEditorDialog", "24 小时时间轴（绿色：上班卡时段，蓝色：下班卡时段，深蓝：上班时间）"), this));
    layout->addWidget(timeline);
    layout->addWidget(faultLabel);
    layout->addLayout(foot);
    resize(860, 600);
}

QWidget* ShiftEditorDialog::buildList()
{
    auto box = new QGroupBox(QCoreApplication::translate("ShiftEditorDialog", "班次"), this);
    shiftList = new QListWidget(box);
    shiftList->setObjectName(QStringLiteral("shiftList"));
    shiftList->setAccessibleName(QCoreApplication::translate("ShiftEditorDialog", "班次列表"));
    shiftList->setFixedWidth(170);
    connect(shiftList, &QListWidget::currentRowChanged, this, &ShiftEditorDialog::showShift);
    addButton = button(QCoreApplication::translate("ShiftEditorDialog", "添加(&A)"), QStringLiteral("shiftAddButton"), box);
    copyButton = button(QCoreApplication::translate("ShiftEditorDialog", "复制(&C)"), QStringLiteral("shiftCopyButton"), box);
    renameButton = button(QCoreApplication::translate("ShiftEditorDialog", "改名(&R)"), QStringLiteral("shiftRenameButton"), box);
    removeButton = button(QCoreApplication::translate("ShiftEditorDialog", "删除(&D)"), QStringLiteral("shiftRemoveButton"), box);
    connect(addButton, &QPushButton::clicked, this, &ShiftEditorDialog::addShift);
    connect(copyButton, &QPushButton::clicked, this, &ShiftEditorDialog::copyShift);
    connect(renameButton, &QPushButton::clicked, this, &ShiftEditorDialog::renameShift);
    connect(removeButton, &QPushButton::clicked, this, &ShiftEditorDialog::removeShift);
    auto layout = new QGridLayout(box);
    layout->addWidget(shiftList, 0, 0, 1, 2);
    layout->addWidget(addButton, 1, 0);
    layout->addWidget(copyButton, 1, 1);
    layout->addWidget(renameButton, 2, 0);
    layout->addWidget(removeButton, 2, 1);
    return box;
}

QWidget* ShiftEditorDialog::buildForm()
{
    auto form = new QWidget(this);
    auto times = new QGroupBox(QCoreApplication::translate("ShiftEditorDialog", "名称与时间"), form);
    auto grid = new QGridLayout(times);
    auto labelFor = [&](const QString& text, QWidget* field, int row, int column) {
        auto label = new QLabel(text, times);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        return label;
    };

    nameEdit = new QLineEdit(times);
    nameEdit->setObjectName(QStringLiteral("shiftName"));
    nameEdit->setAccessibleName(QCoreApplication::translate("ShiftEditorDialog", "班次名称"));
    nameEdit->setMaxLength(Shift::kMaxNameLength * 2);
    nameEdit->setToolTip(QCoreApplication::translate("ShiftEditorDialog", "1 到 8 个字，不能是“休”“模式一”“模式二”；按回车或离开该框后生效"));
    labelFor(QCoreApplication::translate("ShiftEditorDialog", "名称(&N)："), nameEdit, 0, 0);
    shortEdit = new QLineEdit(times);
    shortEdit->setObjectName(QStringLiteral("shiftShort"));
    shortEdit->setAccessibleName(QCoreApplication::translate("ShiftEditorDialog", "简称"));
    shortEdit->setMaxLength(2);
    shortEdit->setPlaceholderText(QCoreApplication::translate("ShiftEditorDialog", "名称首字"));
    shortEdit->setToolTip(QCoreApplication::translate("ShiftEditorDialog", "排班表格子中显示的一个字；不填则用名称的第一个字"));
    labelFor(QCoreApplication::translate("ShiftEditorDialog", "简称："), shortEdit, 0, 2);

    kindBox = new QComboBox(times);
    kindBox->setObjectName(QStringLiteral("shiftKind"));
    kindBox->setAccessibleName(QCoreApplication::translate("ShiftEditorDialog", "班次类型"));
    kindBox->addItem(QCoreApplication::translate("ShiftEditorDialog", "两段（中间休息）"), 2);
    kindBox->addItem(QCoreApplication::translate("ShiftEditorDialog", "一段（上班、下班）"), 1);
    labelFor(QCoreApplication::translate("ShiftEditorDialog", "类型："), kindBox, 1, 0);
    dayStartEdit = timeEdit(times, QCoreApplication::translate("ShiftEditorDialog", "工作日起点"));
    dayStartEdit->setObjectName(QStringLiteral("shiftDayStart"));
    dayStartEdit->setToolTip(QCoreApplication::translate("ShiftEditorDialog", "一个工作日从这一时刻起算 24 小时；跨午夜的夜班请设在上班之前，例如 12:00"));
    labelFor(QCoreApplication::translate("ShiftEditorDialog", "工作日起点："), dayStartEdit, 1, 2);

    for (int k = 0; k < 4; ++k) {
        timeEdits[k] = timeEdit(times, {});
        timeEdits[k]->setObjectName(QStringLiteral("shiftTime(%1)").arg(k));
        timeLabels_[k] = labelFor({}, timeEdits[k], 2 + k / 2, (k % 2) * 2);
    }
    for (int k = 0; k < 2; ++k) {
        overtimeChecks[k] = new QCheckBox(k == 0 ? QCoreApplication::translate("ShiftEditorDialog", "加班一档") : QCoreApplication::translate("ShiftEditorDialog", "加班二档"), times);
        overtimeChecks[k]->setObjectName(QStringLiteral("shiftOvertimeCheck(%1)").arg(k));
        overtimeEdits[k] = timeEdit(times, k == 0 ? QCoreApplication::translate("ShiftEditorDialog", "加班一档时间") : QCoreApplication::translate("ShiftEditorDialog", "加班二档时间"));
        overtimeEdits[k]->setObjectName(QStringLiteral("shiftOvertime(%1)").arg(k));
        grid->addWidget(overtimeChecks[k], 4, k * 2);
        grid->addWidget(overtimeEdits[k], 4, k * 2 + 1);
        connect(overtimeChecks[k], &QCheckBox::toggled, overtimeEdits[k], &QWidget::setEnabled);
        connect(overtimeChecks[k], &QCheckBox::toggled, this, &ShiftEditorDialog::formChanged);
        connect(overtimeEdits[k], &QTimeEdit::timeChanged, this, &ShiftEditorDialog::formChanged);
    }

    auto rules = new QGroupBox(QCoreApplication::translate("ShiftEditorDialog", "打卡时段与计算（分钟）"), form);
    auto ruleGrid = new QGridLayout(rules);
    for (int i = 0; i < kParameterCount; ++i) {
        const ParameterField& field = kParameterFields[i];
        auto spin = new QSpinBox(rules);
        spin->setObjectName(QStringLiteral("shiftParameter(%1)").arg(i));
        spin->setRange(i == OvertimeStep ? 1 : 0, Shift::kMaxMinutes);
        spin->setSuffix(QCoreApplication::translate("ShiftEditorDialog", " 分钟"));
        spin->setAccessibleName(QCoreApplication::translate("ShiftEditorDialog", field.label));
        spin->setToolTip(QCoreApplication::translate("ShiftEditorDialog", field.tip));
        auto label = new QLabel(QCoreApplication::translate("ShiftEditorDialog", field.label) + u'：', rules);
        label->setBuddy(spin);
        label->setToolTip(spin->toolTip());
        ruleGrid->addWidget(label, i % 5, (i / 5) * 2);
        ruleGrid->addWidget(spin, i % 5, (i / 5) * 2 + 1);
        connect(spin, &QSpinBox::valueChanged, this, &ShiftEditorDialog::formChanged);
        parameterSpins[i] = spin;
    }

    connect(nameEdit, &QLineEdit::textEdited, this, &ShiftEditorDialog::refreshFault);
    connect(nameEdit, &QLineEdit::editingFinished, this, &ShiftEditorDialog::commitName);
    connect(shortEdit, &QLineEdit::textEdited, this, &ShiftEditorDialog::formChanged);
    connect(kindBox, &QComboBox::activated, this, &ShiftEditorDialog::kindChanged);
    connect(dayStartEdit, &QTimeEdit::timeChanged, this, &ShiftEditorDialog::formChanged);
    for (QTimeEdit* edit : timeEdits)
        connect(edit, &QTimeEdit::timeChanged, this, &ShiftEditorDialog::formChanged);

    auto layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(times);
    layout->addWidget(rules);
    layout->addStretch();
    return form;
}

bool ShiftEditorDialog::load()
{
    Result<Schedules> read = schedules::load(programDir_);
    if (!read) {
        showOutcome(this, Outcome::error(read.error() + QCoreApplication::translate("ShiftEditorDialog", "\n请先修正该文件，再打开班次设置。")));
        return false;
    }
    model_ = saved_ = std::move(read).value();
    originals_.clear();
    shiftList->clear();
    for (qsizetype i = 0; i < model_.shifts.size(); ++i) {
        originals_.append(model_.shifts.at(i).name);
        shiftList->addItem(QString());
        refreshListItem(int(i));
    }
    modified_ = false;
    shiftList->setCurrentRow(model_.shifts.isEmpty() ? -1 : 0);
    showShift(currentRow());
    return true;
}

int ShiftEditorDialog::currentRow() const
{
    const int row = shiftList->currentRow();
    return row >= 0 && row < model_.shifts.size() ? row : -1;
}

QString ShiftEditorDialog::fault() const
{
    return faultLabel->property("fault").toString();
}

void ShiftEditorDialog::refreshListItem(int row)
{
    const Shift& s = model_.shifts.at(row);
    QListWidgetItem* item = shiftList->item(row);
    item->setText(QCoreApplication::translate("ShiftEditorDialog", "%1（%2）").arg(s.name, s.shortText()));
    item->setIcon(swatch(shiftColour(model_, s.name)));
}

void ShiftEditorDialog::showShift(int row)
{
    row = currentRow();
    const bool any = row >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{nameEdit, shortEdit, kindBox, dayStartEdit, copyButton, renameButton, removeButton})
        w->setEnabled(any);
    for (QTimeEdit* e : timeEdits)
        e->setEnabled(any);
    for (QSpinBox* s : parameterSpins)
        s->setEnabled(any);
    for (QCheckBox* c : overtimeChecks)
        c->setEnabled(any);
    if (!any) {
        showing_ = true;
        nameEdit->clear();
        shortEdit->clear();
        showing_ = false;
        for (QTimeEdit* e : overtimeEdits)
            e->setEnabled(false);
        timeline->clear();
        faultLabel->setProperty("fault", QString());
        faultLabel->setText(QCoreApplication::translate("ShiftEditorDialog", "还没有班次：点击“添加”新建一个。"));
        faultLabel->setStyleSheet({});
        return;
    }
    const Shift& s = model_.shifts.at(row);
    showing_ = true;
    nameEdit->setText(s.name);
    shortEdit->setText(s.shortName);
    kindBox->setCurrentIndex(kindBox->findData(s.kind()));
    const QList<int> shown = s.kind() == 2 ? s.times : QList<int>{s.times.value(0), s.times.value(1), kDefaultTimes[2], kDefaultTimes[3]};
    for (int k = 0; k < 4; ++k)
        timeEdits[k]->setTime(timeOf(shown.value(k)));
    for (int k = 0; k < 2; ++k) {
        overtimeChecks[k]->setChecked(k < s.overtime.size());
        overtimeEdits[k]->setTime(timeOf(s.overtime.value(k, k == 0 ? 19 * 60 + 30 : 21 * 60 + 30)));
        overtimeEdits[k]->setEnabled(k < s.overtime.size());
    }
    dayStartEdit->setTime(timeOf(s.dayStart));
    for (int i = 0; i < kParameterCount; ++i)
        parameterSpins[i]->setValue(s.*kParameterFields[i].member);
    showKind(s.kind());
    showing_ = false;
    timeline->setShift(s);
    refreshFault();
}

void ShiftEditorDialog::showKind(int kind)
{
    static const QString twoBlocks[4] = {QCoreApplication::translate("ShiftEditorDialog", "第一段上班："), QCoreApplication::translate("ShiftEditorDialog", "第一段下班："),
                                         QCoreApplication::translate("ShiftEditorDialog", "第二段上班："), QCoreApplication::translate("ShiftEditorDialog", "第二段下班：")};
    for (int k = 0; k < 4; ++k) {
        const QString text = kind == 2 ? twoBlocks[k] : k == 0 ? QCoreApplication::translate("ShiftEditorDialog", "上班：") : QCoreApplication::translate("ShiftEditorDialog", "下班：");
        timeLabels_[k]->setText(text);
        timeEdits[k]->setAccessibleName(text.chopped(1));
        timeLabels_[k]->setVisible(kind == 2 || k < 2);
        timeEdits[k]->setVisible(kind == 2 || k < 2);
    }
    parameterSpins[SecondInBefore]->setEnabled(kind == 2);
    parameterSpins[OffAfter]->setEnabled(kind == 2);
    overtimeChecks[1]->setEnabled(kind == 2);
    if (kind == 1)
        overtimeChecks[1]->setChecked(false);
}

void ShiftEditorDialog::kindChanged()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int kind = kindBox->currentData().toInt();
    if (kind == model_.shifts.at(row).kind())
        return;
    showing_ = true;
    if (kind == 1) {
        timeEdits[1]->setTime(timeEdits[3]->time());
    } else {
        const int on = minuteOf(timeEdits[0]);
        const int off = minuteOf(timeEdits[1]);
        timeEdits[3]->setTime(timeOf(off));
        timeEdits[1]->setTime(timeOf((on + 240) % 1440));
        timeEdits[2]->setTime(timeOf((on + 330) % 1440));
    }
    showKind(kind);
    showing_ = false;
    formChanged();
}

Shift ShiftEditorDialog::shiftFromForm() const
{
    Shift s = model_.shifts.at(currentRow());
    s.shortName = shortEdit->text().trimmed();
    const int kind = kindBox->currentData().toInt();
    s.times.clear();
    for (int k = 0; k < (kind == 2 ? 4 : 2); ++k)
        s.times.append(minuteOf(timeEdits[k]));
    s.overtime.clear();
    for (int k = 0; k < (kind == 2 ? 2 : 1); ++k) {
        if (overtimeChecks[k]->isChecked())
            s.overtime.append(minuteOf(overtimeEdits[k]));
    }
    s.dayStart = minuteOf(dayStartEdit);
    for (int i = 0; i < kParameterCount; ++i)
        s.*kParameterFields[i].member = parameterSpins[i]->value();
    return s;
}

void ShiftEditorDialog::formChanged()
{
    const int row = currentRow();
    if (showing_ || row < 0)
        return;
    model_.shifts[row] = shiftFromForm();
    modified_ = true;
    timeline->setShift(model_.shifts.at(row));
    refreshListItem(row);
    refreshFault();
}

void ShiftEditorDialog::refreshFault()
{
    const int row = currentRow();
    if (row < 0)
        return;
    Schedules probe = model_;
    probe.shifts[row].name = nameEdit->text().trimmed();
    const QString fault = shiftFaultIn(probe, row);
    faultLabel->setProperty("fault", fault);
    if (fault.isEmpty()) {
        faultLabel->setText(QCoreApplication::translate("ShiftEditorDialog", "✓ 班次“%1”可以使用。").arg(probe.shifts.at(row).name));
        faultLabel->setStyleSheet(QStringLiteral("color: rgb(0, 110, 0);"));
    } else {
        faultLabel->setText(QStringLiteral("✗ ") + fault);
        faultLabel->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    }
}

void ShiftEditorDialog::commitName()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString name = nameEdit->text().trimmed();
    const QString old = model_.shifts.at(row).name;
    if (name == old || !shiftNameFault(model_, row, name).isEmpty()) {
        refreshFault();
        return;
    }
    model_.shifts[row].name = name;
    for (EmployeeSchedule& e : model_.employees) {
        if (!e.week)
            continue;
        for (QString& day : *e.week) {
            if (day == old)
                day = name;
        }
    }
    modified_ = true;
    refreshListItem(row);
    timeline->setShift(model_.shifts.at(row));
    refreshFault();
}

void ShiftEditorDialog::insertShift(const Shift& shift)
{
    model_.shifts.append(shift);
    originals_.append(QString());
    shiftList->addItem(QString());
    refreshListItem(int(model_.shifts.size() - 1));
    modified_ = true;
    shiftList->setCurrentRow(int(model_.shifts.size() - 1));
    nameEdit->setFocus(Qt::OtherFocusReason);
    nameEdit->selectAll();
}

void ShiftEditorDialog::addShift()
{
    commitName();
    Shift s;
    s.name = unusedShiftName(model_, QCoreApplication::translate("ShiftEditorDialog", "新班次"));
    s.times = {kDefaultTimes[0], kDefaultTimes[1], kDefaultTimes[2], kDefaultTimes[3]};
    const QString free = freeShortName(model_, -1, s.name);
    if (free != s.shortText())
        s.shortName = free;
    insertShift(s);
}

void ShiftEditorDialog::copyShift()
{
    commitName();
    const int row = currentRow();
    if (row < 0)
        return;
    Shift s = model_.shifts.at(row);
    s.name = unusedShiftName(model_, s.name);
    s.shortName.clear();
    const QString free = freeShortName(model_, -1, s.name);
    if (free != s.shortText())
        s.shortName = free;
    insertShift(s);
}

void ShiftEditorDialog::renameShift()
{
    if (currentRow() < 0)
        return;
    nameEdit->setFocus(Qt::OtherFocusReason);
    nameEdit->selectAll();
}

Schedules ShiftEditorDialog::readingModel() const
{
    Schedules reading = saved_;
    for (const QString& name : originals_) {
        if (!name.isEmpty() && !reading.knowsShift(name)) {
            Shift old;
            old.name = name;
            reading.shifts.append(old);
        }
    }
    return reading;
}

void ShiftEditorDialog::removeShift()
{
    commitName();
    const int row = currentRow();
    if (row < 0)
        return;
    const QString name = model_.shifts.at(row).name;
    QStringList places = shiftusage::weekUses(model_, name);
    if (const QString original = originals_.at(row); !original.isEmpty()) {
        const Result<QStringList> rosters = shiftusage::rosterUses(programDir_, readingModel(), original);
        if (!rosters) {
            showOutcome(this, Outcome::error(rosters.error() + QCoreApplication::translate("ShiftEditorDialog", "\n读不出该排班表，无法确定班次是否仍在使用，暂不能删除。")));
            return;
        }
        places += rosters.value();
    }
    if (!places.isEmpty()) {
        showMessage(this, {kProgramTitle,
                           QCoreApplication::translate("ShiftEditorDialog", "班次“%1”仍在使用，不能删除：\n%2\n请先改掉这些安排，再删除该班次。")
                               .arg(name, places.join(u'\n')),
                           MessageIcon::Warning});
        return;
    }
    if (showMessage(this, {QCoreApplication::translate("ShiftEditorDialog", "删除班次"), QCoreApplication::translate("ShiftEditorDialog", "确定删除班次“%1”吗？").arg(name), MessageIcon::Question,
                           MessageButtons::OkCancel}) != MessageAnswer::Ok)
        return;
    model_.shifts.removeAt(row);
    originals_.removeAt(row);
    modified_ = true;
    delete shiftList->takeItem(row);
    for (int i = 0; i < shiftList->count(); ++i)
        refreshListItem(i);
    showShift(currentRow());
}

void ShiftEditorDialog::openWeekPatterns()
{
    commitName();
    const Result<QList<RosterEntry>> roster = config::readRoster(programDir_);
    if (!roster)
        showOutcome(this, roster.outcome());
    auto dialog = new WeekPatternDialog(model_, roster ? roster.value() : QList<RosterEntry>{}, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        model_.employees = dialog->employees();
        modified_ = true;
        refreshFault();
    });
    dialog->open();
}

bool ShiftEditorDialog::save()
{
    commitName();
    for (qsizetype i = 0; i < model_.shifts.size(); ++i) {
        if (const QString fault = shiftFaultIn(model_, i); !fault.isEmpty()) {
            shiftList->setCurrentRow(int(i));
            showOutcome(this, Outcome::error(QCoreApplication::translate("ShiftEditorDialog", "班次设置未保存：班次“%1”：%2").arg(model_.shifts.at(i).name, fault)));
            return false;
        }
    }
    if (const int row = currentRow(); row >= 0 && nameEdit->text().trimmed() != model_.shifts.at(row).name) {
        showOutcome(this, Outcome::error(QCoreApplication::translate("ShiftEditorDialog", "班次设置未保存：") + fault()));
        nameEdit->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (const Outcome saved = saveAsking(this, [this] { return schedules::save(programDir_, model_); }, [this] { load(); });
        !saved.ok()) {
        showOutcome(this, saved);
        return false;
    }
    saved_ = model_;
    QHash<QString, QString> renames;
    for (qsizetype i = 0; i < model_.shifts.size(); ++i) {
        if (!originals_.at(i).isEmpty() && originals_.at(i) != model_.shifts.at(i).name)
            renames.insert(originals_.at(i), model_.shifts.at(i).name);
    }
    if (const Outcome renamed = shiftusage::renameInRosters(programDir_, model_, renames); !renamed.ok()) {
        // The renames stay, so that the next save tries those rosters again.
        showOutcome(this, Outcome::error(QCoreApplication::translate("ShiftEditorDialog", "班次设置已保存到 %1。\n").arg(schedules::filePath(programDir_))
                                         + renamed.text));
        return false;
    }
    for (qsizetype i = 0; i < model_.shifts.size(); ++i)
        originals_[i] = model_.shifts.at(i).name;
    modified_ = false;
    showOutcome(this, Outcome::success(QCoreApplication::translate("ShiftEditorDialog", "班次设置保存成功！")));
    return true;
}

void ShiftEditorDialog::done(int result)
{
    commitName();
    if (modified_ && showMessage(this, {QCoreApplication::translate("ShiftEditorDialog", "班次设置"), QCoreApplication::translate("ShiftEditorDialog", "班次设置已修改，尚未保存。放弃这些修改吗？"),
                                        MessageIcon::Question, MessageButtons::OkCancel}) != MessageAnswer::Ok)
        return;
    QDialog::done(result);
}

} // namespace tarnby::ui
