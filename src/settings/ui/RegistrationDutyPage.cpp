#include "RegistrationDutyPage.h"

#include "DutyGridView.h"
#include "HistoryDialog.h"
#include "PageTextBox.h"
#include "ShiftRosterDialog.h"
#include "settings/ConfigFile.h"
#include "settings/DutyMonth.h"
#include "settings/HandlingMethod.h"
#include "settings/MonthFile.h"
#include "settings/RegistrationBoxRules.h"
#include "widgets/ClickLabel.h"
#include "widgets/MessageSeam.h"
#include "widgets/PageLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureComboBox.h"
#include "widgets/SaveQuestion.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

constexpr int kFirstButton = 6;

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The file a save to the boxes' month would write, or empty when they name none.
QString monthFilePath(const QString& programDir, const QString& year, const QString& month, monthfile::Kind kind)
{
    const auto key = monthfile::fromBoxes(year, month);
    return key ? monthfile::path(programDir, key.value(), kind) : QString();
}

QString unreadableMessage(const QString& path)
{
    return QCoreApplication::translate("RegistrationDutyPage", "文件 %1 未能读出，为免覆盖其中原有的内容，本次未保存。请先修正该文件，再重新载入该月。")
        .arg(path);
}

} // namespace

RegistrationDutyPage::RegistrationDutyPage(const QString& programDir, const Clock& clock, QWidget* parent)
    : QWidget(parent)
    , programDir_(programDir)
    , workDate_(clock().date())
{
    setFixedSize(kSize);
    for (int i = 0; i < int(dCmb.size()); ++i) {
        dCmb[i] = new PictureComboBox(this);
        dCmb[i]->setObjectName(QStringLiteral("dCmb(%1)").arg(i));
        dCmb[i]->picture()->setObjectName(QStringLiteral("dCbPic(%1)").arg(i));
    }
    for (int i = 0; i < int(dTxt.size()); ++i) {
        auto* box = new PageTextBox(this);
        box->setObjectName(QStringLiteral("dTxt(%1)").arg(i));
        box->setDigitsOnly(i != int(RegistrationBox::Reason));
        box->setMaxLength(i == int(RegistrationBox::Reason) ? 32767 : i == int(RegistrationBox::Year) ? 4 : 2);
        if (i != int(RegistrationBox::Reason))
            box->setAlignment(Qt::AlignCenter);
        connect(box, &PageTextBox::left, this, [this, i] {
            if (!refusal_.takeInterrupted(dTxt[i]))
                checkBox(i);
        }, Qt::QueuedConnection);
        dTxt[i] = box;
    }
    for (int n = 0; n < int(bnPic.size()); ++n) {
        auto* button = new PictureButton(PictureButton::Kind::Action, this);
        button->setObjectName(QStringLiteral("bnPic(%1)").arg(kFirstButton + n));
        bnPic[n] = button;
    }

    buildRegistrationSide();
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(592, 8, 2, 464);
    buildDutySide();

    dTxt[int(RegistrationBox::Reason)]->setText(kSampleReason);
    for (const HandlingType& type : handlingTypes())
        dCmb[2]->addItem(type.type);
    chooseType();

    connect(dCmb[2], &QComboBox::currentIndexChanged, this, &RegistrationDutyPage::chooseType);
    // Taking the type already chosen changes no index, yet starts its amounts afresh.
    connect(dCmb[2], &QComboBox::activated, this, &RegistrationDutyPage::chooseType);
    connect(dTxt[int(RegistrationBox::MonthOnShow)], &QLineEdit::textChanged, dTxt[int(RegistrationBox::Month)],
            &QLineEdit::setText);
    for (RegistrationBox box : {RegistrationBox::Year, RegistrationBox::MonthOnShow})
        connect(dTxt[int(box)], &PageTextBox::entered, this, &RegistrationDutyPage::confirmMonth);
    connect(bnPic[0], &PictureButton::released, this, &RegistrationDutyPage::AddRegistration);
    connect(bnPic[1], &PictureButton::released, this, &RegistrationDutyPage::SaveDutyRoster);
    connect(bnPic[2], &PictureButton::released, this, &RegistrationDutyPage::RemoveCheckedRegistrations);
    connect(bnPic[3], &PictureButton::released, this, &RegistrationDutyPage::SaveRegistrations);

    // Tab follows the page as it reads: the registration's boxes left to right
    // and top to bottom, its buttons, the headings and the list, then the duty side.
    const QList<QWidget*> order = {dCmb[0], dTxt[0],  dTxt[1],  dTxt[2],  dCmb[2],  dCmb[3],
                                   dHisPic, bnPic[0], bnPic[2], bnPic[3], dBnLab[0], dBnLab[1],
                                   dBnLab[2], dBnLab[3], dBnLab[4], dLV, dCmb[1], dTxt[3],
                                   dTxt[4], dnLab, dutyGrid_, dutyGrid_->focusProxy(), bnPic[1],
                                   findChild<QWidget*>(QStringLiteral("bnShiftRoster"))};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void RegistrationDutyPage::buildRegistrationSide()
{
    QLabel* title = makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "员工特殊情况登记"), {8, 6, 300, 22}, true);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    title->setFont(big);

    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "登记员工："), {8, 36, 64, 22});
    dCmb[0]->setGeometry(72, 36, 150, 22);
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "登记日期："), {236, 36, 64, 22});
    dTxt[0]->setGeometry(300, 36, 26, 22);
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "月"), {328, 36, 14, 22});
    dTxt[1]->setGeometry(344, 36, 26, 22);
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "日"), {372, 36, 14, 22});

    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "登记事由："), {8, 64, 64, 22});
    dTxt[2]->setGeometry(72, 64, 314, 22);

    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "处理方式："), {8, 92, 64, 22});
    dLab12 = makeLabel(this, QString(), {72, 92, 30, 22});
    dLab12->setObjectName(QStringLiteral("dLab(12)"));
    dLab12->setAlignment(Qt::AlignCenter);
    dCmb[2]->setGeometry(104, 92, 76, 22);
    dCmb[3]->setGeometry(184, 92, 64, 22);
    dbLab = makeLabel(this, QString(), {252, 92, 20, 22});
    dbLab->setObjectName(QStringLiteral("dbLab"));

    const struct {
        const char* caption;
        int button; // index into bnPic, 6 = 0
        const char* buttonCaption;
    } actions[] = {
        {QT_TRANSLATE_NOOP("RegistrationDutyPage", "添加到登记列表 -->"), 0, QT_TRANSLATE_NOOP("RegistrationDutyPage", "添加")},
        {QT_TRANSLATE_NOOP("RegistrationDutyPage", "删除已勾选的登记 -->"), 2, QT_TRANSLATE_NOOP("RegistrationDutyPage", "删除")},
        {QT_TRANSLATE_NOOP("RegistrationDutyPage", "保存本月登记信息 -->"), 3, QT_TRANSLATE_NOOP("RegistrationDutyPage", "保存")},
    };
    QLabel* historyCaption = makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "查看本月变更记录 -->"), {396, 8, 132, 21});
    historyCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dHisPic = new PictureButton(PictureButton::Kind::Action, this);
    dHisPic->setObjectName(QStringLiteral("dHisPic"));
    dHisPic->setCaption(QCoreApplication::translate("RegistrationDutyPage", "记录"));
    dHisPic->move(532, 8);
    connect(dHisPic, &PictureButton::released, this, &RegistrationDutyPage::ShowHistory);

    int y = 36;
    for (const auto& a : actions) {
        QLabel* caption = makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", a.caption), {396, y, 132, 21});
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        bnPic[a.button]->move(532, y);
        bnPic[a.button]->setCaption(QCoreApplication::translate("RegistrationDutyPage", a.buttonCaption));
        y += 28;
    }

    const QList<RegistrationColumn>& columns = registrationColumns();
    int x = 10;
    for (int k = 0; k < int(dBnLab.size()); ++k) {
        const bool mark = k == int(columns.size());
        auto* header = new ClickLabel(mark ? QStringLiteral("※") : columns[k].caption, this);
        header->setObjectName(QStringLiteral("dBnLab(%1)").arg(k));
        header->setFrameShape(QFrame::StyledPanel);
        header->setBackground(QColor(214, 224, 238));
        const int width = mark ? 588 - x : columns[k].width;
        header->setGeometry(x, 124, width, 20);
        x += width;
        if (!mark) {
            // The headings are the list's sort buttons, for the keys as for the mouse.
            header->makeKeyboardButton(
                QCoreApplication::translate("RegistrationDutyPage", "按“%1”排序").arg(columns[k].caption));
            connect(header, &ClickLabel::clicked, this, [this, k](Qt::MouseButton button) {
                if (button != Qt::LeftButton)
                    return;
                list_.sortByColumn(k);
                showList();
            });
        }
        dBnLab[k] = header;
    }

    dLV = new QTreeWidget(this);
    dLV->setObjectName(QStringLiteral("dLV"));
    dLV->setAccessibleName(title->text());
    dLV->setGeometry(8, 144, 580, 328);
    dLV->setHeaderHidden(true);
    dLV->setRootIsDecorated(false);
    dLV->setItemsExpandable(false);
    dLV->setUniformRowHeights(true);
    dLV->setSelectionMode(QAbstractItemView::SingleSelection);
    dLV->setAllColumnsShowFocus(true);
    connect(dLV, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (showingList_ || column != 0)
            return;
        list_.setChecked(dLV->indexOfTopLevelItem(item), item->checkState(0) == Qt::Checked);
    });
    connect(dLV, &QTreeWidget::itemDoubleClicked, this, &RegistrationDutyPage::toggleSelectedRow);
    showList();
}

void RegistrationDutyPage::buildDutySide()
{
    constexpr int left = 598;
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "1、请选择值日员工"), {left, 10, 174, 20}, true);
    dCmb[1]->setGeometry(left, 32, 174, 22);
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "2、请选择日期"), {left, 62, 174, 20}, true);
    dTxt[3]->setGeometry(left, 84, 42, 22);
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "年"), {left + 44, 84, 14, 22});
    dTxt[4]->setGeometry(left + 60, 84, 26, 22);
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "月"), {left + 88, 84, 14, 22});
    dnLab = new ClickLabel(QStringLiteral("OK"), this);
    dnLab->setObjectName(QStringLiteral("dnLab"));
    dnLab->setFrameShape(QFrame::StyledPanel);
    dnLab->setBackground(QColor(214, 224, 238));
    dnLab->setCursor(Qt::PointingHandCursor);
    dnLab->makeKeyboardButton(QCoreApplication::translate("RegistrationDutyPage", "载入值日月份"));
    dnLab->setGeometry(left + 110, 84, 40, 22);
    connect(dnLab, &ClickLabel::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            ReloadDutyRoster();
    });

    dutyGrid_ = new DutyGridView(this);
    dutyGrid_->move(left, 114);
    connect(dutyGrid_, &DutyGridView::dayClicked, this, &RegistrationDutyPage::clickDay);

    const int below = 114 + dutyGrid_->height() + 10;
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "左键点击日期安排值日，右键点击取消。"), {left, below, 174, 36})->setWordWrap(true);
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "3、操作完成后请注意保存。"), {left, below + 40, 174, 20}, true);
    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "保存值日安排 -->"), {left, below + 66, 116, 21});
    bnPic[1]->move(left + 120, below + 66);
    bnPic[1]->setCaption(QCoreApplication::translate("RegistrationDutyPage", "保存"));

    makeLabel(this, QCoreApplication::translate("RegistrationDutyPage", "按月排班次 -->"), {left, below + 94, 116, 21});
    auto* roster = new PictureButton(PictureButton::Kind::Action, this);
    roster->setObjectName(QStringLiteral("bnShiftRoster"));
    roster->setCaption(QCoreApplication::translate("RegistrationDutyPage", "排班表"));
    roster->setAccessibleName(QCoreApplication::translate("RegistrationDutyPage", "排班表"));
    roster->setToolTip(QCoreApplication::translate("RegistrationDutyPage", "每月的班次排班：白班、夜班、轮换与休息"));
    roster->move(left + 120, below + 94);
    connect(roster, &PictureButton::released, this, &RegistrationDutyPage::OpenShiftRoster);
}

PictureButton* RegistrationDutyPage::actionButton(int n) const
{
    const int i = n - kFirstButton;
    return i >= 0 && i < int(bnPic.size()) ? bnPic[i] : nullptr;
}

void RegistrationDutyPage::prepare(QDate workDate)
{
    workDate_ = workDate;
    FillEmployeePickers();
    dTxt[0]->setText(twoDigits(workDate.month()));
    dTxt[1]->setText(twoDigits(workDate.day()));
    dTxt[3]->setText(QString::number(workDate.year()));
    dTxt[4]->setText(twoDigits(workDate.month()));
    dCmb[2]->setCurrentIndex(0);
    chooseType();
    ReloadDutyRoster();
    LoadRegistrations();
}

void RegistrationDutyPage::FillEmployeePickers()
{
    dCmb[0]->clear();
    dCmb[0]->addItem(PickerEntry{kAllEmployeesNumber, kAllEmployeesName}.text());
    dCmb[1]->clear();
    const auto roster = config::readRoster(programDir_);
    if (!roster) {
        showOutcome(this, roster.outcome());
    } else {
        int position = 0;
        for (const RosterEntry& e : roster.value()) {
            dCmb[0]->addItem(PickerEntry{e.number, e.name}.text());
            dCmb[1]->addItem(dutyPickerEntry(e.number, e.name, ++position).text());
        }
    }
    dCmb[0]->setCurrentIndex(0);
    dCmb[1]->setCurrentIndex(dCmb[1]->count() > 0 ? 0 : -1);
}

void RegistrationDutyPage::chooseType()
{
    const HandlingType* type = findHandlingType(dCmb[2]->currentText());
    if (!type)
        return;
    dLab12->setText(type->prefix);
    dCmb[3]->clear();
    dCmb[3]->addItems(type->amounts);
    dCmb[3]->setCurrentIndex(0);
    dbLab->setText(type->unit);
}

void RegistrationDutyPage::showList()
{
    showingList_ = true;
    dLV->clear();
    const QList<RegistrationColumn>& columns = registrationColumns();
    QStringList captions;
    for (const RegistrationColumn& c : columns)
        captions.append(c.caption);
    dLV->setColumnCount(int(columns.size()));
    dLV->setHeaderLabels(captions);
    for (int k = 0; k < int(columns.size()); ++k) {
        dLV->setColumnWidth(k, columns[k].width);
        // Heard with the heading's name: the list is sorted by it, and which way.
        dBnLab[k]->setAccessibleDescription(k != list_.sortColumn() ? QString()
                                            : list_.sortAscending()
                                                ? QCoreApplication::translate("RegistrationDutyPage", "当前按此列升序排列")
                                                : QCoreApplication::translate("RegistrationDutyPage", "当前按此列降序排列"));
    }
    for (const RegistrationList::Row& row : list_.rows()) {
        auto* item = new QTreeWidgetItem(dLV, row.registration.fields());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
        // a long reason is cut off in its column
        item->setToolTip(3, row.registration.reason);
    }
    showingList_ = false;
}

void RegistrationDutyPage::toggleSelectedRow()
{
    QTreeWidgetItem* item = dLV->currentItem();
    if (!item)
        return;
    const int row = dLV->indexOfTopLevelItem(item);
    list_.toggleCheck(row);
    showingList_ = true;
    item->setCheckState(0, list_.row(row).checked ? Qt::Checked : Qt::Unchecked);
    showingList_ = false;
}

void RegistrationDutyPage::LoadRegistrations()
{
    const QString path = monthFilePath(programDir_, dTxt[3]->text(), dTxt[4]->text(), monthfile::Kind::Registrations);
    const Outcome loaded = list_.LoadRegistrations(programDir_, monthfile::shownMonth(dTxt[3]->text(), dTxt[4]->text()));
    if (!loaded.ok()) {
        // The list keeps what it showed; the month that could not be read is
        // kept from being overwritten by it.
        unreadableRegistrations_ = path;
        showOutcome(this, loaded);
        return;
    }
    if (path == unreadableRegistrations_)
        unreadableRegistrations_.clear();
    showList();
    showOutcome(this, loaded);
}

void RegistrationDutyPage::AddRegistration()
{
    if (!commitFocusedBox())
        return;
    // The date and reason of a registration go into the month's file as they
    // stand, so they pass the same checks as when the user leaves their boxes.
    for (RegistrationBox box : {RegistrationBox::Month, RegistrationBox::Day, RegistrationBox::Reason}) {
        if (!checkBox(int(box)))
            return;
    }
    const PickerEntry employee = PickerEntry::fromText(dCmb[0]->currentText());
    if (const QString error = pickedEmployeeError(employee); !error.isEmpty()) {
        showOutcome(this, Outcome::error(error));
        return;
    }
    const QString method =
        handlingMethod(dLab12->text(), dCmb[2]->currentText(), dCmb[3]->currentText(), dbLab->text());
    const Outcome added = list_.AddRegistration(employee, dTxt[0]->text(), dTxt[1]->text(), dTxt[2]->text(), method);
    if (!added.ok()) {
        showOutcome(this, added);
        return;
    }
    showList();
}

void RegistrationDutyPage::RemoveCheckedRegistrations()
{
    if (list_.RemoveCheckedRegistrations() > 0)
        showList();
}

void RegistrationDutyPage::SaveRegistrations()
{
    if (!commitFocusedBox())
        return;
    const QString path = monthFilePath(programDir_, dTxt[3]->text(), dTxt[4]->text(), monthfile::Kind::Registrations);
    if (!path.isEmpty() && path == unreadableRegistrations_) {
        showOutcome(this, Outcome::error(unreadableMessage(path)));
        return;
    }
    const Result<MonthKey> month = monthfile::fromBoxes(dTxt[3]->text(), dTxt[4]->text());
    const Outcome saved =
        month ? saveAsking(this, [&] { return list_.SaveRegistrations(programDir_, *month); },
                           [this] { LoadRegistrations(); })
              : month.outcome();
    showOutcome(this, saved);
}

void RegistrationDutyPage::ReloadDutyRoster()
{
    const QString path = monthFilePath(programDir_, dTxt[3]->text(), dTxt[4]->text(), monthfile::Kind::DutyRoster);
    const Outcome loaded = duty_.LoadDutyRoster(programDir_, monthfile::shownMonth(dTxt[3]->text(), dTxt[4]->text()));
    if (!loaded.ok()) {
        // The table and the grid stay as they were, like the list above.
        unreadableDutyRoster_ = path;
        showOutcome(this, loaded);
        return;
    }
    if (path == unreadableDutyRoster_)
        unreadableDutyRoster_.clear();
    drawDutyMonth();
    showOutcome(this, loaded);
}

void RegistrationDutyPage::drawDutyMonth()
{
    const auto month = monthfile::shownMonth(dTxt[3]->text(), dTxt[4]->text());
    if (const auto grid = DrawDutyMonth(duty_, month, dutyPickerEntries()))
        dutyGrid_->showGrid(*grid);
}

void RegistrationDutyPage::clickDay(int day, Qt::MouseButton button)
{
    const auto clicked =
        clickDutyDay(duty_, day, dayClickButton(button), dutyPickerEntries(), dCmb[1]->currentIndex());
    if (!clicked) {
        showOutcome(this, clicked.outcome());
        return;
    }
    if (clicked.value())
        dutyGrid_->colourDay(day, *clicked.value());
}

void RegistrationDutyPage::SaveDutyRoster()
{
    if (!commitFocusedBox())
        return;
    const QString path = monthFilePath(programDir_, dTxt[3]->text(), dTxt[4]->text(), monthfile::Kind::DutyRoster);
    if (!path.isEmpty() && path == unreadableDutyRoster_) {
        showOutcome(this, Outcome::error(unreadableMessage(path)));
        return;
    }
    const Result<MonthKey> month = monthfile::fromBoxes(dTxt[3]->text(), dTxt[4]->text());
    const Outcome saved = month ? saveAsking(this, [&] { return duty_.SaveDutyRoster(programDir_, *month); },
                                             [this] { ReloadDutyRoster(); })
                                : month.outcome();
    showOutcome(this, saved);
}

void RegistrationDutyPage::ShowHistory()
{
    if (!commitFocusedBox())
        return;
    const Result<MonthKey> month = monthfile::fromBoxes(dTxt[3]->text(), dTxt[4]->text());
    if (!month) {
        showOutcome(this, month.outcome());
        return;
    }
    auto* dialog = new HistoryDialog(programDir_, *month, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &HistoryDialog::restored, this, [this] {
        ReloadDutyRoster();
        LoadRegistrations();
    });
    dialog->open();
}

void RegistrationDutyPage::confirmMonth()
{
    if (!confirmsMonth(dTxt[3]->text(), dTxt[4]->text()))
        return;
    ReloadDutyRoster();
    LoadRegistrations();
}

QList<PickerEntry> RegistrationDutyPage::dutyPickerEntries() const
{
    QList<PickerEntry> entries;
    for (int i = 0; i < dCmb[1]->count(); ++i)
        entries.append(PickerEntry::fromText(dCmb[1]->itemText(i)));
    return entries;
}

bool RegistrationDutyPage::checkBox(int box)
{
    RegistrationBoxTexts texts;
    for (int k = 0; k < int(dTxt.size()); ++k)
        texts[k] = dTxt[k]->text();
    const BoxCheck check = checkRegistrationBox(RegistrationBox(box), texts, workDate_);
    // In box order, so a month on show that changes carries over into the
    // registration month last, as typing it would.
    for (int k = 0; k < int(dTxt.size()); ++k) {
        if (dTxt[k]->text() != check.texts[k])
            dTxt[k]->setText(check.texts[k]);
    }
    if (!check.refocus())
        return true;
    refusal_.refuse(this, dTxt[box], check.message);
    return false;
}

bool RegistrationDutyPage::commitFocusedBox()
{
    for (int i = 0; i < int(dTxt.size()); ++i) {
        if (dTxt[i]->hasFocus())
            return checkBox(i);
    }
    return true;
}

void RegistrationDutyPage::OpenShiftRoster()
{
    const std::optional<MonthKey> shown = monthfile::shownMonth(dTxt[3]->text(), dTxt[4]->text());
    const MonthKey month = shown ? *shown : MonthKey{workDate_.year(), workDate_.month()};
    auto* dialog = new ShiftRosterDialog(programDir_, month, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    if (!dialog->load()) {
        delete dialog;
        return;
    }
    dialog->show();
}

} // namespace tarnby::ui
