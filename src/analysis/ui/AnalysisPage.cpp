#include "AnalysisPage.h"

#include "RestDayControls.h"
#include "analysis/Analysis.h"
#include "analysis/DayExplanation.h"
#include "analysis/ui/DayExplanationPanel.h"
#include "analysis/ResultList.h"
#include "analysis/ResultText.h"
#include "analysis/ShiftFiguresText.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "report/ui/SummaryDialog.h"
#include "lunar/Lunar.h"
#include "settings/EmployeeRegistrations.h"
#include "settings/RestDays.h"
#include "widgets/Calculator.h"
#include "widgets/ClickLabel.h"
#include "widgets/DayGridKeys.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureComboBox.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

// The core's captions of the statistics and the result list's columns, shown
// here in the window's language.
[[maybe_unused]] const char* const kCoreCaptions[] = {
    QT_TRANSLATE_NOOP("AnalysisPage", "值日迟到"), QT_TRANSLATE_NOOP("AnalysisPage", "上班迟到"),
    QT_TRANSLATE_NOOP("AnalysisPage", "10分钟内"), QT_TRANSLATE_NOOP("AnalysisPage", "30分钟内"),
    QT_TRANSLATE_NOOP("AnalysisPage", "60分钟内"), QT_TRANSLATE_NOOP("AnalysisPage", "漏打"),
    QT_TRANSLATE_NOOP("AnalysisPage", "请假"), QT_TRANSLATE_NOOP("AnalysisPage", "病假"),
    QT_TRANSLATE_NOOP("AnalysisPage", "事假"), QT_TRANSLATE_NOOP("AnalysisPage", "旷工"),
    QT_TRANSLATE_NOOP("AnalysisPage", "加班"), QT_TRANSLATE_NOOP("AnalysisPage", "一档"),
    QT_TRANSLATE_NOOP("AnalysisPage", "二档"), QT_TRANSLATE_NOOP("AnalysisPage", "休息日"),
    QT_TRANSLATE_NOOP("AnalysisPage", "全勤"), QT_TRANSLATE_NOOP("AnalysisPage", "日期"),
    QT_TRANSLATE_NOOP("AnalysisPage", "星期"), QT_TRANSLATE_NOOP("AnalysisPage", "A上班"),
    QT_TRANSLATE_NOOP("AnalysisPage", "A下班"), QT_TRANSLATE_NOOP("AnalysisPage", "P上班"),
    QT_TRANSLATE_NOOP("AnalysisPage", "P下班"), QT_TRANSLATE_NOOP("AnalysisPage", "备注"),
};

const QColor kTitleColour(22, 74, 128);
const QColor kFrameColour(120, 146, 180);

QColor qcolor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

QLabel* textLabel(const QString& text, QWidget* parent, const QRect& geometry, int pixelSize = 12, bool bold = false)
{
    auto label = new QLabel(text, parent);
    label->setGeometry(geometry);
    if (pixelSize != 12 || bold) {
        QFont font = label->font();
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        label->setFont(font);
    }
    return label;
}

QFrame* groupFrame(const QString& name, QWidget* parent, const QRect& geometry)
{
    auto frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { border: 1px solid #7892b4; border-radius: 4px;"
                                        " background: rgba(255, 255, 255, 150); }")
                             .arg(QString(name).replace(u'(', QStringLiteral("\\(")).replace(u')', QStringLiteral("\\)"))));
    return frame;
}

ClickLabel* optionLabel(const QString& name, const QString& text, QWidget* parent, const QRect& geometry)
{
    auto label = new ClickLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->setCursor(Qt::PointingHandCursor);
    label->makeKeyboardButton();
    return label;
}

PictureButton* makeActionButton(int number, const QString& caption, QWidget* parent, const QPoint& at)
{
    auto button = new PictureButton(PictureButton::Kind::Action, parent);
    button->setObjectName(QStringLiteral("bnPic(%1)").arg(number));
    button->setCaption(caption);
    button->move(at);
    return button;
}

void setChosen(QLabel* chosen, QLabel* other)
{
    static_cast<ClickLabel*>(chosen)->setBackground(qcolor(kChosenOptionColour));
    static_cast<ClickLabel*>(other)->setBackground(qcolor(kOtherOptionColour));
}

} // namespace

AnalysisPage::AnalysisPage(const QString& programDir, QWidget* parent)
    : QWidget(parent)
    , programDir_(programDir)
{
    setObjectName(QStringLiteral("bPic(2)"));
    resize(780, 480);
    QFont pageFont = font();
    pageFont.setPixelSize(12);
    setFont(pageFont);

    DtLab2 = textLabel(QCoreApplication::translate("AnalysisPage", "考勤记录列表/统计"), this, QRect(10, 4, 270, 22), 15, true);
    DtLab2->setObjectName(QStringLiteral("DtLab(2)"));
    QPalette titlePalette = DtLab2->palette();
    titlePalette.setColor(QPalette::WindowText, kTitleColour);
    DtLab2->setPalette(titlePalette);

    buildPeriodPart();
    buildCalendarPart();
    buildEmployeePart();
    buildResultPart();
    buildStatisticsPart();
    buildDetailsPanel();

    cxPic = new DataFolderPanel(programDir_, punches_, this);
    cxPic->move(6, 150);
    cnLab[8] = cxPic->cnLab8;
    connect(cxPic->bnPic14, &PictureButton::released, this, &AnalysisPage::CloseDataFolderPanel);
    connect(cxPic, &DataFolderPanel::readFinished, this, &AnalysisPage::readFinished);
    // Numbers added from the read report lose their "未登记" at once.
    connect(cxPic, &DataFolderPanel::rosterChanged, this, [this] {
        if (!punches_.isEmpty())
            FillAnalysisPicker();
    });

    chooseStyle(kMidMonthStyle);
    chooseTimeMode(1);
    ResetResultList();
}

void AnalysisPage::buildPeriodPart()
{
    QFrame* frame = dmPic[11] = groupFrame(QStringLiteral("dmPic(11)"), this, QRect(6, 28, 276, 58));
    textLabel(QCoreApplication::translate("AnalysisPage", "1、请选择起始 年/月"), frame, QRect(6, 6, 120, 20));
    addPicker(4, frame, QRect(128, 5, 62, 22));
    textLabel(QCoreApplication::translate("AnalysisPage", "年"), frame, QRect(193, 6, 14, 20));
    addPicker(5, frame, QRect(209, 5, 46, 22));
    textLabel(QCoreApplication::translate("AnalysisPage", "月"), frame, QRect(258, 6, 14, 20));
    connect(dCmb[4], &QComboBox::activated, this, [this] { DrawSettlementCalendar(); });
    connect(dCmb[5], &QComboBox::activated, this, [this] { DrawSettlementCalendar(); });

    textLabel(QCoreApplication::translate("AnalysisPage", "2、请选月结制式"), frame, QRect(6, 32, 110, 20));
    cnLab[0] = optionLabel(QStringLiteral("cnLab(0)"), QCoreApplication::translate("AnalysisPage", "月初制"), frame, QRect(128, 32, 60, 20));
    cnLab[1] = optionLabel(QStringLiteral("cnLab(1)"), QCoreApplication::translate("AnalysisPage", "月中制"), frame, QRect(195, 32, 60, 20));
    connect(static_cast<ClickLabel*>(cnLab[0]), &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            chooseStyle(kMonthStartStyle);
    });
    connect(static_cast<ClickLabel*>(cnLab[1]), &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            chooseStyle(kMidMonthStyle);
    });
    // The style and the time mode are read from these captions; they are not shown.
    cnLab[2] = new QLabel(QStringLiteral("2"), frame);
    cnLab[2]->setObjectName(QStringLiteral("cnLab(2)"));
    cnLab[2]->hide();
}

void AnalysisPage::buildCalendarPart()
{
    QFrame* frame = dmPic[12] = groupFrame(QStringLiteral("dmPic(12)"), this, QRect(6, 90, 276, 240));
    textLabel(QCoreApplication::translate("AnalysisPage", "3、设置休假日"), frame, QRect(6, 4, 100, 18));
    const QRect hintPlaces[] = {QRect(6, 22, 130, 16), QRect(140, 22, 130, 16), QRect(140, 4, 130, 18)};
    const QString hints[] = {QCoreApplication::translate("AnalysisPage", "鼠标左击标记为休息"), QCoreApplication::translate("AnalysisPage", "鼠标右击取消标记"),
                             QCoreApplication::translate("AnalysisPage", "设好后请点击更新")};
    for (int i = 0; i < 3; ++i) {
        auto hint = textLabel(hints[i], frame, hintPlaces[i], 11);
        QPalette hintPalette = hint->palette();
        hintPalette.setColor(QPalette::WindowText, i == 2 ? QColor(176, 60, 40) : QColor(90, 100, 120));
        hint->setPalette(hintPalette);
    }

    cnLab[3] = textLabel(QString(), frame, QRect(6, 40, 264, 18), 13, true);
    cnLab[3]->setObjectName(QStringLiteral("cnLab(3)"));
    cnLab[3]->setAlignment(Qt::AlignCenter);
    QPalette periodPalette = cnLab[3]->palette();
    periodPalette.setColor(QPalette::WindowText, QColor(176, 60, 40));
    cnLab[3]->setPalette(periodPalette);

    static const std::array<const char*, 7> kWeekHeads = {QT_TRANSLATE_NOOP("AnalysisPage", "日"), QT_TRANSLATE_NOOP("AnalysisPage", "一"),
        QT_TRANSLATE_NOOP("AnalysisPage", "二"), QT_TRANSLATE_NOOP("AnalysisPage", "三"), QT_TRANSLATE_NOOP("AnalysisPage", "四"),
        QT_TRANSLATE_NOOP("AnalysisPage", "五"), QT_TRANSLATE_NOOP("AnalysisPage", "六")};
    constexpr int kCellW = 18, kCellH = 17, kStepX = 19, kStepY = 19;
    for (int month = 0; month < 2; ++month) {
        const int left = 7 + month * 136;
        crLab[month] = textLabel(QString(), frame, QRect(left, 60, 7 * kStepX, 16), 12, true);
        crLab[month]->setObjectName(QStringLiteral("crLab(%1)").arg(month));
        crLab[month]->setAlignment(Qt::AlignCenter);
        for (int c = 0; c < 7; ++c) {
            auto head = textLabel(QCoreApplication::translate("AnalysisPage", kWeekHeads[c]), frame, QRect(left + c * kStepX, 78, kCellW, 14), 11);
            head->setAlignment(Qt::AlignCenter);
            if (c == 0 || c == 6) {
                QPalette p = head->palette();
                p.setColor(QPalette::WindowText, QColor(200, 40, 40));
                head->setPalette(p);
            }
        }
        for (int cell = 0; cell < 42; ++cell) {
            const int index = month * 42 + cell;
            auto day = new ClickLabel(QString(), frame);
            day->setObjectName(QStringLiteral("cLab(%1)").arg(index));
            day->setGeometry(left + (cell % 7) * kStepX, 94 + (cell / 7) * kStepY, kCellW, kCellH);
            QFont small = day->font();
            small.setPixelSize(11);
            day->setFont(small);
            day->setBackground(qcolor(kPlainDayColour));
            day->setEnabled(false);
            connect(day, &ClickLabel::clicked, this, [this, index](Qt::MouseButton b) { clickDay(index, b); });
            cLab[index] = day;
        }
    }

    const QString buttonStyle = QStringLiteral(
        "QLabel { border: 1px solid #7892b4; border-radius: 3px; background: #eef3fa; color: #1c3c64; }"
        "QLabel:hover { background: #fde7b4; }");
    cdBtnLab[0] = new ClickLabel(QCoreApplication::translate("AnalysisPage", "今日"), frame);
    cdBtnLab[0]->setObjectName(QStringLiteral("cdBtnLab(0)"));
    cdBtnLab[0]->setGeometry(8, 212, 48, 21);
    cdBtnLab[1] = new ClickLabel(QCoreApplication::translate("AnalysisPage", "置为当前"), frame);
    cdBtnLab[1]->setObjectName(QStringLiteral("cdBtnLab(1)"));
    cdBtnLab[1]->setGeometry(62, 212, 64, 21);
    for (ClickLabel* button : cdBtnLab) {
        button->setStyleSheet(buttonStyle);
        button->setCursor(Qt::PointingHandCursor);
        button->makeKeyboardButton();
    }
    connect(cdBtnLab[0], &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            emit workDateToPickerRequested();
    });
    connect(cdBtnLab[1], &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            emit workDateFromPickerRequested();
    });

    restDays_ = new RestDayControls(programDir_, calendar_, cLab, frame);
    restDays_->markButton->move(140, 212);
    restDays_->clearButton->move(140 + RestDayControls::kMarkButtonWidth + 4, 212);

    QList<ClickLabel*> days(cLab.begin(), cLab.end());
    calendarKeys = new DayGridKeys(days, 42, frame);
    calendarKeys->setObjectName(QStringLiteral("calendarKeys"));
    calendarKeys->setAccessibleName(QCoreApplication::translate("AnalysisPage", "设置休假日"));
    calendarKeys->setDescriber([this](int index) { return describeDay(index); });
    connect(calendarKeys, &DayGridKeys::picked, this, [this](int index) { clickDay(index, Qt::LeftButton); });
    connect(calendarKeys, &DayGridKeys::toggled, this, [this](int index) {
        const std::optional<SettlementPeriod> period = calendar_.period();
        const bool rest = period && calendar_.isRestDay(period->restFlagIndex(restdays::cellDate(calendar_, index)));
        clickDay(index, rest ? Qt::RightButton : Qt::LeftButton);
    });
    connect(calendarKeys, &DayGridKeys::cleared, this, [this](int index) { clickDay(index, Qt::RightButton); });
    // In the Tab order the grid follows the period pickers, as it does on screen.
    setTabOrder(cnLab[1], calendarKeys);
    setTabOrder(calendarKeys, cdBtnLab[0]);
}

void AnalysisPage::buildEmployeePart()
{
    QFrame* frame = dmPic[6] = groupFrame(QStringLiteral("dmPic(6)"), this, QRect(6, 334, 276, 142));

    textLabel(QCoreApplication::translate("AnalysisPage", "4、时间模式"), frame, QRect(6, 6, 80, 20));
    cnLab[5] = optionLabel(QStringLiteral("cnLab(5)"), QCoreApplication::translate("AnalysisPage", "模式一"), frame, QRect(128, 6, 60, 20));
    cnLab[6] = optionLabel(QStringLiteral("cnLab(6)"), QCoreApplication::translate("AnalysisPage", "模式二"), frame, QRect(195, 6, 60, 20));
    connect(static_cast<ClickLabel*>(cnLab[5]), &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            chooseTimeMode(1);
    });
    connect(static_cast<ClickLabel*>(cnLab[6]), &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            chooseTimeMode(2);
    });
    cnLab[4] = new QLabel(QStringLiteral("1"), frame);
    cnLab[4]->setObjectName(QStringLiteral("cnLab(4)"));
    cnLab[4]->hide();
    cnLab[7] = textLabel(QString(), frame, QRect(128, 28, 142, 16), 11);
    cnLab[7]->setObjectName(QStringLiteral("cnLab(7)"));
    QPalette modePalette = cnLab[7]->palette();
    modePalette.setColor(QPalette::WindowText, QColor(128, 0, 128));
    cnLab[7]->setPalette(modePalette);

    textLabel(QCoreApplication::translate("AnalysisPage", "5、选择员工"), frame, QRect(6, 50, 80, 20));
    addPicker(6, frame, QRect(88, 49, 182, 22));
    dCmb[6]->addItem(PickerEntry::shownPlaceholder());
    connect(dCmb[6], &QComboBox::activated, this, [this] { Refresh(); });

    textLabel(QCoreApplication::translate("AnalysisPage", "刷新列表 -->"), frame, QRect(88, 80, 118, 21))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bnPic_[0] = makeActionButton(kRefreshButton, QCoreApplication::translate("AnalysisPage", "刷新"), frame, QPoint(214, 80));
    textLabel(QCoreApplication::translate("AnalysisPage", "读取记录 -->"), frame, QRect(88, 108, 118, 21))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bnPic_[1] = makeActionButton(kOpenPanelButton, QCoreApplication::translate("AnalysisPage", "读取"), frame, QPoint(214, 108));
    connect(bnPic_[0], &PictureButton::released, this, &AnalysisPage::Refresh);
    connect(bnPic_[1], &PictureButton::released, this, &AnalysisPage::OpenDataFolderPanel);
    summaryButton = makeActionButton(-1, QCoreApplication::translate("AnalysisPage", "汇总"), frame, QPoint(8, 80));
    summaryButton->setObjectName(QStringLiteral("bnSummary"));
    summaryButton->setToolTip(QCoreApplication::translate("AnalysisPage", "全体员工考勤汇总：统计、全勤与罚款，可导出 xlsx/csv/pdf 或打印"));
    connect(summaryButton, &PictureButton::released, this, &AnalysisPage::OpenSummary);

    auto calculator = new ClickLabel(QStringLiteral("+-"), frame);
    calculator->setObjectName(QStringLiteral("cnLab(11)"));
    calculator->setGeometry(8, 108, 28, 21);
    calculator->setToolTip(QCoreApplication::translate("AnalysisPage", "计算器"));
    calculator->setCursor(Qt::PointingHandCursor);
    calculator->makeKeyboardButton(calculator->toolTip());
    calculator->setStyleSheet(QStringLiteral(
        "QLabel { border: 1px solid #7892b4; border-radius: 3px; background: #eef3fa; color: #1c3c64; font-weight: bold; }"
        "QLabel:hover { background: #fde7b4; }"));
    connect(calculator, &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            startCalculator(window(), programDir_);
    });
    cnLab[11] = calculator;
    // Tab reads the two rows of buttons left to right, as the eye does.
    setTabOrder(dCmb[6], summaryButton);
    setTabOrder(summaryButton, bnPic_[0]);
    setTabOrder(bnPic_[0], calculator);
    setTabOrder(calculator, bnPic_[1]);
}

void AnalysisPage::buildResultPart()
{
    cLV = new QTreeWidget(this);
    cLV->setObjectName(QStringLiteral("cLV"));
    cLV->setAccessibleName(QCoreApplication::translate("AnalysisPage", "考勤记录列表"));
    cLV->setGeometry(290, 6, 484, 318);
    cLV->setRootIsDecorated(false);
    cLV->setUniformRowHeights(true);
    cLV->setSelectionMode(QAbstractItemView::SingleSelection);
    cLV->setAlternatingRowColors(true);
    cLV->header()->setStretchLastSection(false);
    cLV->header()->setSectionsMovable(false);
    DayExplanationPanel::attach(cLV);

    auto hint = textLabel(QCoreApplication::translate("AnalysisPage", "※备注中*号，表示当天有员工特殊情况登记，查看详情请点击 -->"), this,
                          QRect(292, 326, 352, 18), 11);
    hint->setObjectName(QStringLiteral("cnHint"));
    auto details = new ClickLabel(QStringLiteral("* * * * * * * * * * *"), this);
    details->setObjectName(QStringLiteral("cnLab(9)"));
    details->setGeometry(646, 326, 126, 18);
    details->makeKeyboardButton(QCoreApplication::translate("AnalysisPage", "特殊情况登记列表"));
    details->setCursor(Qt::PointingHandCursor);
    QPalette detailsPalette = details->palette();
    detailsPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    details->setPalette(detailsPalette);
    connect(details, &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            toggleDetails();
    });
    cnLab[9] = details;
}

void AnalysisPage::buildStatisticsPart()
{
    QFrame* frame = groupFrame(QStringLiteral("ckPic"), this, QRect(290, 346, 484, 130));
    textLabel(QCoreApplication::translate("AnalysisPage", "考勤统计："), frame, QRect(8, 4, 100, 18), 13, true);
    ckShiftLine = textLabel(QString(), frame, QRect(96, 5, 300, 18), 11);
    ckShiftLine->setObjectName(QStringLiteral("ckShiftLine"));
    ckShiftLine->setStyleSheet(QStringLiteral("QLabel { color: #164a80; }"));
    ckShiftLine->hide();

    struct Slot {
        Statistic label;
        int row;
        int column;
    };
    // Where each count stands: four rows under the headings of their first
    // slots, three slots a row.
    static constexpr std::array<Slot, 12> kSlots = {{
        {StatDutyLate10, 0, 0}, {StatDutyLateOver10, 0, 1}, {StatMissed, 0, 2},
        {StatLate10, 1, 0},     {StatLate30, 1, 1},         {StatLate60, 1, 2},
        {StatSick, 2, 0},       {StatPersonal, 2, 1},       {StatAbsent, 2, 2},
        {StatOvertime1, 3, 0},  {StatOvertime2, 3, 1},      {StatRest, 3, 2},
    }};
    const auto captionOf = [](const char16_t* text) {
        return QCoreApplication::translate("AnalysisPage", "%1：")
            .arg(QCoreApplication::translate("AnalysisPage", QString::fromUtf16(text).toUtf8().constData()));
    };
    constexpr int kTop = 26, kRowStep = 25, kGroupWidth = 66, kSlotWidth = 104, kCaptionWidth = 62;
    for (const Slot& slot : kSlots) {
        if (slot.column == 0)
            textLabel(captionOf(statisticNames()[slot.label].group), frame,
                      QRect(8, kTop + slot.row * kRowStep, kGroupWidth, 20));
    }
    for (const Slot& slot : kSlots) {
        const int left = 8 + kGroupWidth + slot.column * kSlotWidth;
        const int top = kTop + slot.row * kRowStep;
        auto caption = textLabel(captionOf(statisticNames()[slot.label].caption), frame,
                                 QRect(left, top, kCaptionWidth, 20));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto value = textLabel(QString(), frame, QRect(left + kCaptionWidth + 2, top, kSlotWidth - kCaptionWidth - 6, 20));
        value->setObjectName(QStringLiteral("ckLab(%1)").arg(int(slot.label)));
        value->setStyleSheet(QStringLiteral("QLabel { color: #b03c28; font-weight: bold; }"));
        ckLab[slot.label] = value;
    }
    textLabel(captionOf(statisticNames()[StatFullAttendance].caption), frame, QRect(400, 30, 76, 20), 13, true)
        ->setAlignment(Qt::AlignCenter);
    ckLab[12] = textLabel(QString(), frame, QRect(400, 54, 76, 50), 30, true);
    ckLab[12]->setObjectName(QStringLiteral("ckLab(12)"));
    ckLab[12]->setAlignment(Qt::AlignCenter);
    ckLab[12]->setStyleSheet(QStringLiteral("QLabel { color: #b03c28; }"));
    const StatisticsCaptions initial = initialStatisticsCaptions();
    for (int i = 0; i < kStatisticsCount; ++i)
        ckLab[i]->setText(shownStatistic(initial[i]));
}

void AnalysisPage::buildDetailsPanel()
{
    cLPic = new QFrame(this);
    cLPic->setObjectName(QStringLiteral("cLPic"));
    cLPic->setGeometry(290, 6, 484, 318);
    cLPic->setFrameShape(QFrame::Box);
    cLPic->setAutoFillBackground(true);
    QPalette p = cLPic->palette();
    p.setColor(QPalette::Window, QColor(0, 162, 203));
    cLPic->setPalette(p);

    auto title = textLabel(QCoreApplication::translate("AnalysisPage", "特殊情况登记列表"), cLPic, QRect(8, 4, 300, 20), 13, true);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(titlePalette);

    auto close = new ClickLabel(QStringLiteral("×"), cLPic);
    close->setObjectName(QStringLiteral("cnLab(10)"));
    close->setGeometry(484 - 28, 3, 22, 22);
    close->makeKeyboardButton(QCoreApplication::translate("AnalysisPage", "关闭"));
    QFont closeFont = close->font();
    closeFont.setPixelSize(18);
    closeFont.setBold(true);
    close->setFont(closeFont);
    close->setPalette(titlePalette);
    close->setCursor(Qt::PointingHandCursor);
    connect(close, &ClickLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            hideDetails();
    });
    cnLab[10] = close;

    cxLV = new QTreeWidget(cLPic);
    cxLV->setObjectName(QStringLiteral("cxLV"));
    cxLV->setGeometry(4, 28, 476, 286);
    cxLV->setRootIsDecorated(false);
    cxLV->setUniformRowHeights(true);
    cxLV->header()->setStretchLastSection(false);
    QStringList captions;
    for (const EmployeeRegistrationColumn& column : employeeRegistrationColumns())
        captions.append(column.caption);
    cxLV->setHeaderLabels(captions);
    for (int i = 0; i < employeeRegistrationColumns().size(); ++i)
        cxLV->setColumnWidth(i, employeeRegistrationColumns().at(i).width);
    cLPic->hide();
}

PictureComboBox* AnalysisPage::addPicker(int i, QWidget* parent, const QRect& geometry)
{
    auto picker = new PictureComboBox(parent);
    picker->setObjectName(QStringLiteral("dCmb(%1)").arg(i));
    picker->picture()->setObjectName(QStringLiteral("dCbPic(%1)").arg(i));
    picker->setGeometry(geometry);
    dCmb[i] = picker;
    return picker;
}

PictureButton* AnalysisPage::actionButton(int n) const
{
    switch (n) {
    case kRefreshButton: return bnPic_[0];
    case kOpenPanelButton: return bnPic_[1];
    case DataFolderPanel::kBrowseButton: return cxPic->bnPic12;
    case DataFolderPanel::kReadButton: return cxPic->bnPic13;
    case DataFolderPanel::kCloseButton: return cxPic->bnPic14;
    default: return nullptr;
    }
}

void AnalysisPage::prepare()
{
    if (dCmb[6]->count() <= 1 && dCmb[6]->count() > 0)
        dCmb[6]->setCurrentIndex(0);
}

void AnalysisPage::FillPeriodPickers(const QDate& workDate)
{
    const PeriodPickers pickers = tarnby::FillPeriodPickers(workDate);
    dCmb[4]->clear();
    dCmb[4]->addItems(pickers.years);
    dCmb[4]->setCurrentIndex(pickers.yearIndex);
    dCmb[5]->clear();
    dCmb[5]->addItems(pickers.months);
    dCmb[5]->setCurrentIndex(pickers.monthIndex);
    DrawSettlementCalendar();
}

void AnalysisPage::DrawSettlementCalendar()
{
    const QString year = dCmb[4]->currentIndex() >= 0 ? dCmb[4]->currentText() : QString();
    const QString month = dCmb[5]->currentIndex() >= 0 ? dCmb[5]->currentText() : QString();
    const SettlementCalendar::Drawing& drawing = calendar_.DrawSettlementCalendar(monthfile::shownMonth(year, month));
    cnLab[3]->setText(drawing.periodLabel);
    crLab[0]->setText(drawing.firstMonthCaption);
    crLab[1]->setText(drawing.secondMonthCaption);
    for (int i = 0; i < SettlementCalendar::kCellCount; ++i) {
        const DayCell& cell = drawing.cells[i];
        cLab[i]->setText(cell.caption);
        cLab[i]->setEnabled(cell.enabled);
        showCellColour(i, cell.colour);
    }
    restDays_->periodDrawn();
    if (!drawing.message.isEmpty())
        showMessage(window(), {kProgramTitle, drawing.message});
}

void AnalysisPage::showCellColour(int index, const Rgb& colour)
{
    cLab[index]->setBackground(qcolor(colour));
}

void AnalysisPage::chooseStyle(int style)
{
    calendar_.setStyle(style);
    if (style == kMonthStartStyle)
        setChosen(cnLab[0], cnLab[1]);
    else
        setChosen(cnLab[1], cnLab[0]);
    cnLab[2]->setText(QString::number(calendar_.style()));
    if (dCmb[4]->count() > 0)
        DrawSettlementCalendar();
}

void AnalysisPage::chooseTimeMode(int mode)
{
    timeMode_ = mode == 2 ? 2 : 1;
    if (timeMode_ == 1) {
        setChosen(cnLab[5], cnLab[6]);
        cnLab[7]->setText(QCoreApplication::translate("AnalysisPage", "使用行政班制时间模式"));
    } else {
        setChosen(cnLab[6], cnLab[5]);
        cnLab[7]->setText(QCoreApplication::translate("AnalysisPage", "使用朝九晚五时间模式"));
    }
    cnLab[4]->setText(QString::number(timeMode_));
}

QString AnalysisPage::describeDay(int index) const
{
    const QDate date = restdays::cellDate(calendar_, index);
    if (!date.isValid())
        return {};
    QStringList parts{date.toString(QCoreApplication::translate("AnalysisPage", "yyyy年M月d日"))};
    const lunar::DayText lunarDay =
        lunar::FestivalOrLunarDay(std::chrono::year{date.year()} / date.month() / date.day());
    if (!lunarDay.text.empty())
        parts << QCoreApplication::translate("AnalysisPage", "农历") + QString::fromStdString(lunarDay.text);
    if (!cLab[index]->toolTip().isEmpty())
        parts << cLab[index]->toolTip();
    const std::optional<SettlementPeriod> period = calendar_.period();
    if (period && cLab[index]->isEnabled() && calendar_.isRestDay(period->restFlagIndex(date)))
        parts << QCoreApplication::translate("AnalysisPage", "休息日");
    return parts.join(QLatin1Char(' '));
}

void AnalysisPage::clickDay(int index, Qt::MouseButton button)
{
    // Saved first: a mark that could not be saved is not shown.
    if (!restDays_->saveClick(index, dayClickButton(button)))
        return;
    if (const auto colour = calendar_.clickDay(index, dayClickButton(button)))
        showCellColour(index, *colour);
}

void AnalysisPage::setPanelsUnderFolderPanelEnabled(bool enabled)
{
    for (int i : {6, 11, 12})
        dmPic[i]->setEnabled(enabled);
}

void AnalysisPage::OpenDataFolderPanel()
{
    cxPic->OpenPanel();
    setPanelsUnderFolderPanelEnabled(false);
}

void AnalysisPage::CloseDataFolderPanel()
{
    cxPic->ClosePanel();
    setPanelsUnderFolderPanelEnabled(true);
}

void AnalysisPage::readFinished(const ImportOutcome& outcome)
{
    switch (outcome.kind) {
    case ImportOutcome::Kind::Empty:
        dCmb[6]->clear();
        dCmb[6]->addItem(PickerEntry::shownPlaceholder());
        dCmb[6]->setCurrentIndex(0);
        cLV->clear();
        break;
    case ImportOutcome::Kind::Read:
        FillAnalysisPicker();
        break;
    case ImportOutcome::Kind::ReadError:
    case ImportOutcome::Kind::SetupError:
        break;
    }
}

void AnalysisPage::FillAnalysisPicker()
{
    const Result<QList<PickerEntry>> entries = tarnby::FillAnalysisPicker(programDir_, punches_);
    if (!entries) {
        showMessage(window(), {kTitleError, entries.error(), MessageIcon::Critical});
        return;
    }
    dCmb[6]->clear();
    dCmb[6]->addItems(pickerTexts(entries.value()));
    dCmb[6]->setCurrentIndex(0);
    Analyse(dCmb[6]->currentText());
}

void AnalysisPage::Refresh()
{
    Analyse(dCmb[6]->currentText());
}

std::optional<SettlementPeriod> AnalysisPage::chosenPeriod()
{
    const std::optional<SettlementPeriod> period = calendar_.period();
    if (!period) {
        showMessage(window(), {kTitleError, QCoreApplication::translate("AnalysisPage", "请先选择结算的起始年份和月份！"), MessageIcon::Critical});
        dCmb[5]->setFocus();
    }
    return period;
}

void AnalysisPage::Analyse(const QString& pickerText)
{
    const PickerEntry employee = PickerEntry::fromText(pickerText);
    if (employee.isPlaceholder())
        return;
    const std::optional<SettlementPeriod> period = chosenPeriod();
    if (!period)
        return;
    AnalysisSetting setting;
    setting.employee = employee;
    setting.timeMode = TimeMode(timeMode_);
    setting.period = *period;
    setting.restDays = calendar_.restDayFlags();
    setting.explain = true; // the rows' tooltips: one employee's month costs next to nothing
    const Result<AnalysisResult> result = AnalyseTimeMode1(programDir_, punches_, setting);
    if (!result) {
        showMessage(window(), {kTitleError, result.error(), MessageIcon::Critical});
        return;
    }
    if (result->ran)
        showResult(result.value());
}

void AnalysisPage::ResetResultList()
{
    cLV->clear();
    QStringList captions;
    for (const ResultColumnHeader& header : resultColumnHeaders())
        captions.append(QCoreApplication::translate("AnalysisPage", header.caption.toUtf8().constData()));
    cLV->setHeaderLabels(captions);
    for (int i = 0; i < kResultColumns; ++i)
        cLV->setColumnWidth(i, resultColumnHeaders()[i].width);
}

void AnalysisPage::showResult(const AnalysisResult& result)
{
    ResetResultList();
    QList<QTreeWidgetItem*> items;
    items.reserve(result.rows.size());
    for (const ResultRow& row : result.rows) {
        auto item = new QTreeWidgetItem;
        for (int column = 0; column < kResultColumns; ++column) {
            item->setText(column, shownCell(column, row.cells[column]));
            if (const CellColor& colour = row.colors[column])
                item->setForeground(column, QColor::fromRgb(static_cast<QRgb>(*colour)));
        }
        if (items.size() < result.explanations.size())
            DayExplanationPanel::setExplanation(item, explanationText(row, result.explanations.at(items.size())));
        items.append(item);
    }
    cLV->addTopLevelItems(items);
    for (int i = 0; i < kStatisticsCount; ++i)
        ckLab[i]->setText(shownStatistic(result.stats[i]));
    ckShiftLine->setVisible(result.shiftsUsed);
    ckShiftLine->setText(result.shiftsUsed ? compactFiguresLine(result.extra) : QString());
    ckShiftLine->setToolTip(result.shiftsUsed ? QCoreApplication::translate("AnalysisPage", "按班次考勤：早退也使全勤为“无”。\n") + overtimeBreakdown(result.extra)
                                              : QString());

    cxLV->clear();
    QList<QTreeWidgetItem*> details;
    for (const EmployeeRegistrationRow& row : result.registrations)
        details.append(new QTreeWidgetItem(row.cells()));
    cxLV->addTopLevelItems(details);
}

void AnalysisPage::OpenSummary()
{
    QList<PickerEntry> entries;
    for (int i = 0; i < dCmb[6]->count(); ++i)
        entries.append(PickerEntry::fromText(dCmb[6]->itemText(i)));
    if (punches_.isEmpty() || report::reportEntries(entries).isEmpty()) {
        showMessage(window(), {kProgramTitle, QCoreApplication::translate("AnalysisPage", "还没有读取考勤记录，请先点击“读取”读入考勤数据，再查看汇总。"),
                               MessageIcon::Information});
        return;
    }
    const std::optional<SettlementPeriod> period = chosenPeriod();
    if (!period)
        return;
    if (!summary) {
        summary = new SummaryDialog(this);
        connect(summary, &SummaryDialog::employeeActivated, this, &AnalysisPage::ShowSummaryEmployee);
        connect(summary, &SummaryDialog::rosterChanged, this, [this] {
            if (!punches_.isEmpty())
                FillAnalysisPicker();
        });
        // The page as it is now, so that the summary knows when it no longer shows it.
        summary->setSource([this]() -> std::optional<SummaryDialog::Inputs> {
            const std::optional<SettlementPeriod> now = calendar_.period();
            if (!now)
                return std::nullopt;
            QList<PickerEntry> picker;
            for (int i = 0; i < dCmb[6]->count(); ++i)
                picker.append(PickerEntry::fromText(dCmb[6]->itemText(i)));
            return SummaryDialog::Inputs{programDir_, punches_, picker,
                                         report::ReportSetting{*now, TimeMode(timeMode_), calendar_.restDayFlags(),
                                                               cxPic->cTxt->text()}};
        });
    }
    summary->showReadReport(programDir_, cxPic->lastReport());
    summary->start(programDir_, punches_, entries,
                   report::ReportSetting{*period, TimeMode(timeMode_), calendar_.restDayFlags(), cxPic->cTxt->text()});
    summary->show();
    summary->raise();
    summary->activateWindow();
}

void AnalysisPage::ShowSummaryEmployee(const QString& employee)
{
    const int index = dCmb[6]->findText(employee);
    if (index < 0) {
        showMessage(window(), {kProgramTitle, QCoreApplication::translate("AnalysisPage", "员工“%1”已不在员工列表中，请重新汇总。").arg(employee),
                               MessageIcon::Information});
        return;
    }
    dCmb[6]->setCurrentIndex(index);
    Refresh();
}

void AnalysisPage::toggleDetails()
{
    cLPic->setVisible(cLPic->isHidden());
    if (cLPic->isVisible())
        cLPic->raise();
}

void AnalysisPage::hideDetails()
{
    cLPic->hide();
}

} // namespace tarnby::ui
