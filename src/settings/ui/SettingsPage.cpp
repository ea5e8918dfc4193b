#include "SettingsPage.h"

#include "DetectDialog.h"
#include "ExportSampleView.h"
#include "PageTextBox.h"
#include "ShiftEditorDialog.h"
#include "settings/SettingsBoxRules.h"
#include "settings/ConfigFile.h"
#include "widgets/MessageSeam.h"
#include "widgets/PageLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/SaveQuestion.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

void addRule(QWidget* parent, int x)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, 36, 2, 430);
}

// The time rows of both modes: the period, then two times, each with its kind.
struct TimeRow {
    const char* period;
    const char* first;
    const char* second; // nullptr when the row holds one time
    int firstBox;           // the hour box of the first time
};

constexpr TimeRow kMode1Rows[] = {
    {QT_TRANSLATE_NOOP("SettingsPage", "上午"), QT_TRANSLATE_NOOP("SettingsPage", "上班"), QT_TRANSLATE_NOOP("SettingsPage", "下班"), 2},
    {QT_TRANSLATE_NOOP("SettingsPage", "下午"), QT_TRANSLATE_NOOP("SettingsPage", "上班"), QT_TRANSLATE_NOOP("SettingsPage", "下班"), 6},
    {QT_TRANSLATE_NOOP("SettingsPage", "晚上"), QT_TRANSLATE_NOOP("SettingsPage", "加班"), QT_TRANSLATE_NOOP("SettingsPage", "加班"), 10},
};
constexpr TimeRow kMode2Rows[] = {
    {QT_TRANSLATE_NOOP("SettingsPage", "全天"), QT_TRANSLATE_NOOP("SettingsPage", "上班"), QT_TRANSLATE_NOOP("SettingsPage", "下班"), 14},
    {QT_TRANSLATE_NOOP("SettingsPage", "晚上"), QT_TRANSLATE_NOOP("SettingsPage", "加班"), nullptr, 18},
};

} // namespace

SettingsPage::SettingsPage(const QString& programDir, QWidget* parent)
    : QWidget(parent)
    , programDir_(programDir)
{
    setFixedSize(kSize);
    QLabel* title = makeLabel(this, QCoreApplication::translate("SettingsPage", "考勤系统相关操作设置"), {12, 8, 300, 22}, true);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    title->setFont(big);

    for (int i = 0; i < settingsbox::kBoxCount; ++i) {
        auto* box = new PageTextBox(this);
        box->setObjectName(QStringLiteral("sTxt(%1)").arg(i));
        if (i >= settingsbox::kFirstTimeBox) {
            box->setMaxLength(2);
            box->setAlignment(Qt::AlignCenter);
        }
        box->setDigitsOnly(settingsbox::kindOf(i) != settingsbox::Kind::Text);
        connect(box, &PageTextBox::left, this, [this, i] {
            if (!refusal_.takeInterrupted(sTxt[i]))
                leaveBox(i);
        }, Qt::QueuedConnection);
        sTxt[i] = box;
    }
    for (int n = 0; n < int(bnPic.size()); ++n) {
        auto* button = new PictureButton(PictureButton::Kind::Action, this);
        button->setObjectName(QStringLiteral("bnPic(%1)").arg(n));
        bnPic[n] = button;
    }

    buildRosterPart();
    addRule(this, 224);
    buildTimePart();
    addRule(this, 516);
    buildPositionPart();
    buildHelpTexts();
    showTimes(config::kDefaultTimeFields);
    sTxt[settingsbox::kNumberCellBox]->setText(settingsbox::kDefaultNumberCell);
    sTxt[settingsbox::kTimeCellBox]->setText(settingsbox::kDefaultTimeCell);

    connect(bnPic[0], &PictureButton::released, this, &SettingsPage::SaveRoster);
    connect(bnPic[1], &PictureButton::released, this, &SettingsPage::AddRosterEntry);
    connect(bnPic[2], &PictureButton::released, this, &SettingsPage::RemoveSelectedRosterEntries);
    connect(bnPic[3], &PictureButton::released, this, [this] { SaveTimeMode(1); });
    connect(bnPic[4], &PictureButton::released, this, [this] { SaveTimeMode(2); });
    connect(bnPic[5], &PictureButton::released, this, &SettingsPage::SaveReadPosition);

    // Tab reads the page column by column: the roster, the working times, the
    // read position.
    QList<QWidget*> order = {sList, sTxt[0], sTxt[1], bnPic[1], bnPic[2], bnPic[0]};
    for (int i = settingsbox::kFirstTimeBox; i < settingsbox::kNumberCellBox; ++i) {
        order.append(sTxt[i]);
        if (i == settingsbox::kFirstTimeBox + 11)
            order.append(bnPic[3]);
    }
    order << bnPic[4] << findChild<QWidget*>(QStringLiteral("bnShifts")) << sTxt[settingsbox::kNumberCellBox]
          << sTxt[settingsbox::kTimeCellBox] << detectButton << bnPic[5];
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void SettingsPage::buildRosterPart()
{
    makeLabel(this, QCoreApplication::translate("SettingsPage", "员工编号列表"), {12, 36, 200, 18}, true);
    sList = new QListWidget(this);
    sList->setObjectName(QStringLiteral("sList"));
    sList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    sList->setGeometry(12, 56, 200, 236);

    makeLabel(this, QCoreApplication::translate("SettingsPage", "编号："), {12, 300, 40, 22});
    sTxt[0]->setGeometry(52, 300, 160, 22);
    makeLabel(this, QCoreApplication::translate("SettingsPage", "姓名："), {12, 326, 40, 22});
    sTxt[1]->setGeometry(52, 326, 160, 22);

    const struct {
        const char* caption;
        int button;
        const char* buttonCaption;
    } actions[] = {
        {QT_TRANSLATE_NOOP("SettingsPage", "添加信息到列表 -->"), 1, QT_TRANSLATE_NOOP("SettingsPage", "添加")},
        {QT_TRANSLATE_NOOP("SettingsPage", "将列表中选定项 -->"), 2, QT_TRANSLATE_NOOP("SettingsPage", "删除")},
        {QT_TRANSLATE_NOOP("SettingsPage", "将列表内信息 -->"), 0, QT_TRANSLATE_NOOP("SettingsPage", "保存")},
    };
    int y = 358;
    for (const auto& a : actions) {
        makeLabel(this, QCoreApplication::translate("SettingsPage", a.caption), {12, y, 142, 21});
        bnPic[a.button]->move(158, y);
        bnPic[a.button]->setCaption(QCoreApplication::translate("SettingsPage", a.buttonCaption));
        y += 28;
    }
}

void SettingsPage::buildTimePart()
{
    makeLabel(this, QCoreApplication::translate("SettingsPage", "上下班时间设定"), {236, 36, 200, 18}, true);
    auto placeRows = [this](int top, const TimeRow* rows, int count) {
        for (int r = 0; r < count; ++r) {
            const TimeRow& row = rows[r];
            const int y = top + r * 26;
            makeLabel(this, QCoreApplication::translate("SettingsPage", row.period), {236, y, 30, 22});
            int x = 266;
            for (int t = 0; t < 2; ++t) {
                const char* kind = t == 0 ? row.first : row.second;
                if (!kind)
                    break;
                const int hour = row.firstBox + 2 * t;
                makeLabel(this, QCoreApplication::translate("SettingsPage", kind), {x, y, 28, 22});
                sTxt[hour]->setGeometry(x + 28, y, 26, 22);
                makeLabel(this, QCoreApplication::translate("SettingsPage", "点"), {x + 56, y, 14, 22});
                sTxt[hour + 1]->setGeometry(x + 70, y, 26, 22);
                makeLabel(this, QCoreApplication::translate("SettingsPage", "分"), {x + 98, y, 14, 22});
                x += 124;
            }
        }
    };
    auto modeCaption = [this](int y, const QString& mode) {
        makeLabel(this, QCoreApplication::translate("SettingsPage", "时间模式"), {236, y + 2, 56, 20});
        QLabel* number = makeLabel(this, mode, {292, y, 20, 24}, true);
        QFont f = number->font();
        f.setPointSizeF(f.pointSizeF() * 1.4);
        number->setFont(f);
        number->setStyleSheet(QStringLiteral("color: rgb(128, 0, 128);"));
    };

    modeCaption(58, QStringLiteral("1"));
    placeRows(86, kMode1Rows, 3);
    makeLabel(this, QCoreApplication::translate("SettingsPage", "将以上时间 -->"), {266, 166, 100, 21});
    bnPic[3]->move(370, 166);
    bnPic[3]->setCaption(QCoreApplication::translate("SettingsPage", "保存"));

    auto* valid = new QWidget(this);
    valid->setGeometry(236, 194, 272, 110);
    auto* validLayout = new QVBoxLayout(valid);
    validLayout->setContentsMargins(0, 0, 0, 0);
    validLayout->setSpacing(1);
    for (const char* text : {QT_TRANSLATE_NOOP("SettingsPage", "有效打卡时间："), QT_TRANSLATE_NOOP("SettingsPage", "上午上班前60分钟以内"), QT_TRANSLATE_NOOP("SettingsPage", "上午下班后30分钟以内"),
                                 QT_TRANSLATE_NOOP("SettingsPage", "下午上班前30分钟以内"),
                                 QT_TRANSLATE_NOOP("SettingsPage", "其它时间打卡均视为非正常打卡(如迟到、早退等)或无效打卡(不进行考勤统计)！")}) {
        auto* line = new QLabel(QCoreApplication::translate("SettingsPage", text), valid);
        line->setWordWrap(true);
        line->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
        validLayout->addWidget(line);
    }
    validLayout->addStretch();

    modeCaption(314, QStringLiteral("2"));
    placeRows(342, kMode2Rows, 2);
    makeLabel(this, QCoreApplication::translate("SettingsPage", "将以上时间 -->"), {266, 396, 100, 21});
    bnPic[4]->move(370, 396);
    bnPic[4]->setCaption(QCoreApplication::translate("SettingsPage", "保存"));

    makeLabel(this, QCoreApplication::translate("SettingsPage", "早晚班、夜班 -->"), {266, 436, 100, 21});
    auto* shifts = new PictureButton(PictureButton::Kind::Action, this);
    shifts->setObjectName(QStringLiteral("bnShifts"));
    shifts->setCaption(QCoreApplication::translate("SettingsPage", "班次设置"));
    shifts->setAccessibleName(QCoreApplication::translate("SettingsPage", "班次设置"));
    shifts->setToolTip(QCoreApplication::translate("SettingsPage", "班次、周排班与部门：按班次考勤时使用"));
    shifts->move(370, 436);
    connect(shifts, &PictureButton::released, this, &SettingsPage::OpenShiftEditor);
}

void SettingsPage::buildPositionPart()
{
    makeLabel(this, QCoreApplication::translate("SettingsPage", "指定考勤记录读取位置"), {528, 36, 240, 18}, true);
    makeLabel(this, QCoreApplication::translate("SettingsPage", "编号起始单元格名称："), {528, 60, 128, 22});
    sTxt[settingsbox::kNumberCellBox]->setGeometry(660, 60, 36, 22);
    makeLabel(this, QCoreApplication::translate("SettingsPage", "时间起始单元格名称："), {528, 86, 128, 22});
    sTxt[settingsbox::kTimeCellBox]->setGeometry(660, 86, 36, 22);
    makeLabel(this, QCoreApplication::translate("SettingsPage", "将读取位置 -->"), {558, 114, 98, 21});
    bnPic[5]->move(660, 114);
    bnPic[5]->setCaption(QCoreApplication::translate("SettingsPage", "保存"));

    detectButton = new PictureButton(PictureButton::Kind::Action, this);
    detectButton->setObjectName(QStringLiteral("detectButton"));
    detectButton->setCaption(QCoreApplication::translate("SettingsPage", "自动识别"));
    detectButton->setToolTip(QCoreApplication::translate("SettingsPage", "选择考勤机导出的文件，查看程序如何读取它"));
    detectButton->move(708, 73);
    connect(detectButton, &PictureButton::released, this, &SettingsPage::OpenDetection);
}

void SettingsPage::buildHelpTexts()
{
    auto* help = new QWidget(this);
    help->setGeometry(528, 146, 242, 326);
    auto* layout = new QVBoxLayout(help);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto add = [&](const char* text, bool heading) {
        auto* line = new QLabel(QCoreApplication::translate("SettingsPage", text), help);
        line->setWordWrap(true);
        if (heading) {
            QFont f = line->font();
            f.setBold(true);
            line->setFont(f);
        } else {
            line->setIndent(12);
        }
        layout->addWidget(line);
    };
    add(QT_TRANSLATE_NOOP("SettingsPage", "相关说明："), true);
    add(QT_TRANSLATE_NOOP("SettingsPage", "一、员工编号"), true);
    add(QT_TRANSLATE_NOOP("SettingsPage", "编号为考勤机中设定的员工编号。"), false);
    add(QT_TRANSLATE_NOOP("SettingsPage", "二、工作时间"), true);
    add(QT_TRANSLATE_NOOP("SettingsPage", "时间模式1或2，实际用到哪种模式就设置哪种。"), false);
    add(QT_TRANSLATE_NOOP("SettingsPage", "三、数据读取"), true);
    add(QT_TRANSLATE_NOOP("SettingsPage", "每行一条打卡记录（如下图）时，填写编号和日期时间的起始单元格，如D列第2行为D2。"), false);
    auto* sample = new ExportSampleView(help);
    layout->addWidget(sample, 0, Qt::AlignHCenter);
    add(QT_TRANSLATE_NOOP("SettingsPage", "可读取xls、xlsx、xlsm、csv、dat文件；考勤机的月报表、带表头的考勤表和无表头的原始记录都能自动识别，点“自动识别”可查看文件如何读取。"), false);
    add(QT_TRANSLATE_NOOP("SettingsPage", "四、所有操作请记得保存"), true);
    layout->addStretch();
}

DetectDialog* SettingsPage::OpenDetection()
{
    const ReadPosition position{settingsbox::leave(settingsbox::kNumberCellBox, sTxt[settingsbox::kNumberCellBox]->text()).text,
                                settingsbox::leave(settingsbox::kTimeCellBox, sTxt[settingsbox::kTimeCellBox]->text()).text};
    auto* dialog = new DetectDialog(position, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &DetectDialog::positionChosen, this, [this](const ReadPosition& found) {
        sTxt[settingsbox::kNumberCellBox]->setText(found.numberCell);
        sTxt[settingsbox::kTimeCellBox]->setText(found.timeCell);
    });
    dialog->show();
    dialog->ChooseFile();
    return dialog;
}

PictureButton* SettingsPage::actionButton(int n) const
{
    return n >= 0 && n < int(bnPic.size()) ? bnPic[n] : nullptr;
}

void SettingsPage::prepare()
{
    // A missing or broken file fails all three loads alike; say it once.
    QStringList errors;
    auto note = [&errors](const QString& error) {
        if (!errors.contains(error))
            errors.append(error);
    };
    // What cannot be read shows the defaults, never what the page held before.
    sList->clear();
    if (auto roster = config::LoadRosterList(programDir_))
        sList->addItems(pickerTexts(roster.value()));
    else
        note(roster.error());
    if (auto times = config::LoadWorkTimes(programDir_)) {
        showTimes(times.value());
    } else {
        showTimes(config::kDefaultTimeFields);
        note(times.error());
    }
    if (auto position = config::LoadReadPosition(programDir_)) {
        sTxt[settingsbox::kNumberCellBox]->setText(position->numberCell);
        sTxt[settingsbox::kTimeCellBox]->setText(position->timeCell);
    } else {
        sTxt[settingsbox::kNumberCellBox]->setText(settingsbox::kDefaultNumberCell);
        sTxt[settingsbox::kTimeCellBox]->setText(settingsbox::kDefaultTimeCell);
        note(position.error());
    }
    for (const QString& error : errors)
        showOutcome(this, Outcome::error(error));
}

void SettingsPage::showTimes(const TimeFields& fields)
{
    for (int k = 0; k < int(fields.size()); ++k)
        sTxt[settingsbox::kFirstTimeBox + k]->setText(fields[k]);
}

void SettingsPage::refuse(int box, const QString& text)
{
    refusal_.refuse(this, sTxt[box], text);
}

bool SettingsPage::leaveBox(int box)
{
    const settingsbox::Left left = settingsbox::leave(box, sTxt[box]->text());
    if (left.text != sTxt[box]->text())
        sTxt[box]->setText(left.text);
    if (left.wrongTime) {
        refuse(box, settingsbox::kBadTimeMessage);
        return false;
    }
    return true;
}

bool SettingsPage::commitFocusedBox()
{
    for (int i = 0; i < settingsbox::kBoxCount; ++i) {
        if (sTxt[i]->hasFocus())
            return leaveBox(i);
    }
    return true;
}

void SettingsPage::SaveRoster()
{
    if (!commitFocusedBox())
        return;
    SettingsPageData values;
    for (int i = 0; i < sList->count(); ++i)
        values.rosterList.append(PickerEntry::fromText(sList->item(i)->text()));
    const Outcome outcome = saveAsking(
        this, [&] { return config::SaveSettings(programDir_, ConfigSection::Roster, values); }, [this] { prepare(); });
    showOutcome(this, outcome);
}

void SettingsPage::AddRosterEntry()
{
    if (!commitFocusedBox())
        return;
    const QString number = settingsbox::leave(0, sTxt[0]->text()).text;
    const QString name = settingsbox::leave(1, sTxt[1]->text()).text;
    sTxt[0]->setText(number);
    sTxt[1]->setText(name);
    if (const settingsbox::EntryCheck check = settingsbox::checkEntry(number, name); !check.ok()) {
        refuse(check.box, check.message);
        return;
    }
    sList->addItem(PickerEntry{number, name}.text());
    sTxt[0]->clear();
    sTxt[1]->clear();
}

void SettingsPage::RemoveSelectedRosterEntries()
{
    for (int i = sList->count() - 1; i >= 0; --i) {
        if (sList->item(i)->isSelected())
            delete sList->takeItem(i);
    }
}

void SettingsPage::SaveTimeMode(int mode)
{
    if (!commitFocusedBox())
        return;
    const int first = mode == 1 ? settingsbox::kFirstTimeBox : settingsbox::kLastMode1Box + 1;
    const int last = mode == 1 ? settingsbox::kLastMode1Box : settingsbox::kLastTimeBox;
    // A wrong time left in a box after its message would otherwise be
    // written, and a short one would shift every later field of the line.
    for (int box = first; box <= last; ++box) {
        if (settingsbox::leave(box, sTxt[box]->text()).wrongTime) {
            refuse(box, settingsbox::kBadTimeMessage);
            return;
        }
    }
    for (int box = first; box <= last; ++box)
        sTxt[box]->setText(settingsbox::leave(box, sTxt[box]->text()).text);
    SettingsPageData values;
    for (int k = 0; k < 18; ++k)
        values.timeFields[k] = sTxt[settingsbox::kFirstTimeBox + k]->text();
    const ConfigSection section = mode == 1 ? ConfigSection::TimeMode1 : ConfigSection::TimeMode2;
    const Outcome outcome =
        saveAsking(this, [&] { return config::SaveSettings(programDir_, section, values); }, [this] { prepare(); });
    showOutcome(this, outcome);
}

void SettingsPage::SaveReadPosition()
{
    if (!commitFocusedBox())
        return;
    SettingsPageData values;
    for (int box : {settingsbox::kNumberCellBox, settingsbox::kTimeCellBox}) {
        const QString cell = settingsbox::leave(box, sTxt[box]->text()).text;
        sTxt[box]->setText(cell);
        // Characters 2-5 of the first line are read by position: a cell name
        // of any other length would move the other one.
        if (const QString error = settingsbox::cellError(cell); !error.isEmpty()) {
            refuse(box, error);
            return;
        }
    }
    values.numberCell = sTxt[settingsbox::kNumberCellBox]->text();
    values.timeCell = sTxt[settingsbox::kTimeCellBox]->text();
    const Outcome outcome = saveAsking(
        this, [&] { return config::SaveSettings(programDir_, ConfigSection::ReadPosition, values); },
        [this] { prepare(); });
    showOutcome(this, outcome);
}

void SettingsPage::OpenShiftEditor()
{
    auto* editor = new ShiftEditorDialog(programDir_, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setWindowModality(Qt::WindowModal);
    if (!editor->load()) {
        delete editor;
        return;
    }
    editor->show();
}

} // namespace tarnby::ui
