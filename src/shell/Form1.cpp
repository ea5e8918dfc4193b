#include "Form1.h"

#include "InfoPage.h"
#include "LundarHost.h"
#include "SkinPictures.h"
#include "TodayPage.h"
#include "analysis/ui/AnalysisPage.h"
#include "base/FolderLock.h"
#include "settings/SettlementCalendar.h"
#include "settings/ui/RegistrationDutyPage.h"
#include "settings/ui/SettingsPage.h"
#include "widgets/BoxNames.h"
#include "widgets/ImageList.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

const std::array<const char*, Form1::kPageCount> kTabCaptions = {QT_TRANSLATE_NOOP("Form1", "今日"), QT_TRANSLATE_NOOP("Form1", "登记值日"),
    QT_TRANSLATE_NOOP("Form1", "考勤统计"), QT_TRANSLATE_NOOP("Form1", "系统设置"), QT_TRANSLATE_NOOP("Form1", "程序说明")};

constexpr QPoint kPageOrigin{10, 108};
constexpr int kTabTop = kPageOrigin.y() - 21;
constexpr int kTabLeft = 24;
constexpr int kTabStep = 68;

} // namespace

void setUpApplication()
{
    // No display name: on X11 and Wayland Qt appends it to every window title
    // ("错误 — Tarnby考勤助手2.0"), and each window names itself already.
    QApplication::setApplicationName(QStringLiteral("Tarnby"));
    QFont font = QApplication::font();
    font.setPointSize(9); // 12 pixels at 96 dpi
    QApplication::setFont(font);
}

Form1::Form1(const QString& programDir, Clock clock, QWidget* parent)
    : QWidget(parent)
    , programDir_(programDir)
    , clock_(std::move(clock))
    , lock_(std::make_unique<FolderLock>(programDir))
    , lundar_(std::make_unique<LundarHost>(programDir))
{
    // A message box before the window would stand alone on the screen, about
    // a window the user has not seen yet: what the pages say while they are
    // built is said once the window is up.
    QList<Message> startUp;
    MessageHandler shown = setMessageHandler([&startUp](QWidget*, const Message& message) {
        startUp.append(message);
        return MessageAnswer::Ok;
    });

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(lock_->held() ? kProgramTitle : kReadOnlyTitle);
    setFixedSize(800, 600);

    PicM1 = new QLabel(this);
    PicM1->setObjectName(QStringLiteral("PicM1"));
    PicM1->setGeometry(rect());
    PicM1->setScaledContents(true);
    PicM1->setPixmap(builtInPicture(SkinPart::MainBackground, devicePixelRatioF()));

    ImgPt2 = new QLabel(this);
    ImgPt2->setObjectName(QStringLiteral("ImgPt(2)"));
    ImgPt2->setGeometry(QRect(QPoint(16, 10), skinPartSize(SkinPart::Emblem)));
    ImgPt2->setScaledContents(true);
    ImgPt2->setPixmap(builtInPicture(SkinPart::Emblem, devicePixelRatioF()));

    Pic_bk = new QLabel(this);
    Pic_bk->setObjectName(QStringLiteral("Pic_bk"));
    Pic_bk->setGeometry(QRect(kPageOrigin, kPageSize));
    Pic_bk->setScaledContents(true);
    Pic_bk->setPixmap(builtInPicture(SkinPart::PageBackground, devicePixelRatioF()));

    pairBoxesOnShow();
    buildTabs();
    buildPages();

    // Start-up, in this order: the work date, the picker's Value, the tabs,
    // the banner, the skin, then the period pickers and the calendar.
    workDate_ = clock_().date();
    lundar_->setValue(workDate_);
    for (int i = 0; i < kPageCount; ++i) {
        MbtPic[i]->setImage(i == 0 ? kTabSelected : kTabNormal);
        MbtPic[i]->setEnabled(i != 0);
        bPic[i]->setVisible(i == 0);
    }
    todayPage->RefreshWorkDateBanner(workDate_);
    ApplySkin();
    analysisPage->FillPeriodPickers(workDate_);
    todayPage->tick();

    if (!lundar_->isAvailable())
        startUp.prepend({kTitleError, lundar_->problem(), MessageIcon::Critical});
    setMessageHandler(std::move(shown));
    if (!startUp.isEmpty()) {
        QTimer::singleShot(0, this, [this, startUp] {
            for (const Message& message : startUp)
                showMessage(this, message);
        });
    }
}

bool Form1::readOnly() const
{
    return !lock_->held();
}

Form1::~Form1() = default;

void Form1::buildTabs()
{
    for (int i = 0; i < kPageCount; ++i) {
        auto tab = new PictureButton(PictureButton::Kind::Tab, this);
        tab->setObjectName(QStringLiteral("MbtPic(%1)").arg(i));
        tab->setCaption(QCoreApplication::translate("Form1", kTabCaptions[i]));
        tab->move(kTabLeft + i * kTabStep, kTabTop);
        connect(tab, &PictureButton::released, this, [this, i] { SwitchPage(i); });
        MbtPic[i] = tab;
        auto key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), this);
        connect(key, &QShortcut::activated, this, [this, i] {
            SwitchPage(i);
            focusFirstOnPage(i);
        });
    }
}

void Form1::focusFirstOnPage(int i)
{
    QWidget* page = bPic[i];
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
    // A page with nothing to act on leaves the focus on its tab row.
    for (PictureButton* tab : MbtPic) {
        if (tab->isEnabled()) {
            tab->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void Form1::hostPage(int i, QWidget* page)
{
    page->setObjectName(QStringLiteral("bPic(%1)").arg(i));
    page->setGeometry(QRect(kPageOrigin, kPageSize));
    bPic[i] = page;
}

void Form1::buildPages()
{
    todayPage = new TodayPage(*lundar_, clock_, this);
    hostPage(0, todayPage);

    registrationPage = new RegistrationDutyPage(programDir_, clock_, this);
    for (int n = 6; n <= 9; ++n)
        bnPic[n] = registrationPage->actionButton(n);
    hostPage(1, registrationPage);

    analysisPage = new AnalysisPage(programDir_, this);
    for (int n = 10; n <= 14; ++n)
        bnPic[n] = analysisPage->actionButton(n);
    connect(analysisPage, &AnalysisPage::workDateToPickerRequested, this, &Form1::ShowWorkDateInPicker);
    connect(analysisPage, &AnalysisPage::workDateFromPickerRequested, this, &Form1::TakeWorkDateFromPicker);
    hostPage(2, analysisPage);

    settingsPage = new SettingsPage(programDir_, this);
    for (int n = 0; n <= 5; ++n)
        bnPic[n] = settingsPage->actionButton(n);
    hostPage(3, settingsPage);

    infoPage = new InfoPage(this);
    hostPage(4, infoPage);
}

int Form1::currentPage() const
{
    for (int i = 0; i < kPageCount; ++i) {
        if (!bPic[i]->isHidden())
            return i;
    }
    return -1;
}

void Form1::prepare(int i)
{
    switch (i) {
    case 1: registrationPage->prepare(workDate_); break;
    case 2: analysisPage->prepare(); break;
    case 3: settingsPage->prepare(); break;
    default: break;
    }
}

void Form1::SwitchPage(int i)
{
    if (i < 0 || i >= kPageCount)
        return;
    for (int t = 0; t < kPageCount; ++t) {
        MbtPic[t]->setEnabled(true);
        MbtPic[t]->setImage(kTabNormal);
        bPic[t]->hide();
    }
    prepare(i);
    MbtPic[i]->setImage(kTabSelected);
    MbtPic[i]->setEnabled(false);
    bPic[i]->show();
}

void Form1::ShowWorkDateInPicker()
{
    lundar_->setValue(workDate_);
}

void Form1::TakeWorkDateFromPicker()
{
    const QDate picked = lundar_->value();
    if (!picked.isValid()) {
        showMessage(this, {kTitleError,
                           QCoreApplication::translate("Form1", "日期控件未能载入，无法取得所选日期，当前工作日期未改变！"),
                           MessageIcon::Critical});
        return;
    }
    workDate_ = picked;
    todayPage->RefreshWorkDateBanner(workDate_);
    analysisPage->FillPeriodPickers(workDate_);
    showMessage(this, {kTitleDone, kWorkDateSetMessage});
}

void Form1::ApplySkin()
{
    for (const SkinFile& file : skinFiles(programDir_, devicePixelRatioF())) {
        QPixmap picture(file.path);
        // A file that is there but holds no picture is treated like a missing one.
        if (picture.isNull())
            continue;
        switch (file.part) {
        case SkinPart::MainBackground: PicM1->setPixmap(picture); break;
        case SkinPart::Emblem: ImgPt2->setPixmap(picture); break;
        case SkinPart::PageBackground: Pic_bk->setPixmap(picture); break;
        case SkinPart::InfoPicture: infoPage->qImg0->setPixmap(picture); break;
        }
    }
}

QString Form1::lundarProblem() const
{
    return lundar_->problem();
}

void Form1::closeEvent(QCloseEvent* event)
{
    const MessageAnswer answer = showMessage(
        this, {QCoreApplication::translate("Form1", "退出"), QCoreApplication::translate("Form1", "是否确定退出本程序？"), MessageIcon::None, MessageButtons::OkCancel});
    if (answer == MessageAnswer::Ok)
        event->accept();
    else
        event->ignore();
}

} // namespace tarnby::ui
