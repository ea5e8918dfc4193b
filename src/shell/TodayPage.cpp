#include "TodayPage.h"

#include "LundarHost.h"
#include "TodayTexts.h"
#include "datepicker/LundarDispatch.h"

#include <QLabel>
#include <QTimer>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

constexpr int kClockInterval = 300; // ms

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text, int pixelSize, bool bold,
                  const QColor& colour)
{
    auto label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

} // namespace

TodayPage::TodayPage(LundarHost& lundar, Clock clock, QWidget* parent)
    : QWidget(parent)
    , lundar_(lundar)
    , clock_(std::move(clock))
{
    setObjectName(QStringLiteral("bPic(0)"));
    resize(780, 480);

    DtLab0 = makeLabel(this, QStringLiteral("DtLab(0)"), QCoreApplication::translate("TodayPage", "2013年02月20日 星期三 [农历癸巳年一月十一]"),
                       20, true, QColor(22, 74, 128));
    DtLab0->setGeometry(24, 14, 600, 34);

    MbLab = makeLabel(this, QStringLiteral("MbLab"), QStringLiteral("12:30:55"), 30, true, QColor(200, 60, 50));
    MbLab->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MbLab->setGeometry(600, 10, 156, 42);

    Lundar1 = lundar_.create(this);
    int almanacLeft = 440;
    if (Lundar1) {
        Lundar1->setObjectName(QStringLiteral("Lundar1"));
        const QSize hint = Lundar1->sizeHint().isValid() ? Lundar1->sizeHint() : QSize(380, 300);
        const QSize size(std::min(hint.width(), 460), std::min(hint.height(), 400));
        Lundar1->setGeometry(24, 62, size.width(), size.height());
        almanacLeft = std::max(almanacLeft, 24 + size.width() + 28);
    } else {
        auto missing = makeLabel(this, QStringLiteral("LundarMissing"),
                                 QCoreApplication::translate("TodayPage", "日期控件未能载入，农历与日期选择暂不可用。"), 13, false,
                                 QColor(150, 60, 40));
        missing->setWordWrap(true);
        missing->setGeometry(24, 70, 380, 60);
    }

    auto heading = makeLabel(this, QStringLiteral("cvHead"), QCoreApplication::translate("TodayPage", "本月时令"), 15, true, QColor(22, 74, 128));
    heading->setGeometry(almanacLeft, 80, 760 - almanacLeft, 24);
    for (int i = 0; i < 3; ++i) {
        cvLab[i] = makeLabel(this, QStringLiteral("cvLab(%1)").arg(i), QString(), i == 0 ? 18 : 15, i == 0,
                             i == 0 ? QColor(176, 60, 110) : QColor(50, 70, 100));
        cvLab[i]->setGeometry(almanacLeft, 116 + i * 36, 760 - almanacLeft, 30);
    }
    auto hint = makeLabel(this, QStringLiteral("cvHint"),
                          QCoreApplication::translate("TodayPage", "提示：在左侧日历中选好日期后，到[考勤统计]页点击“置为当前”，"
                                         "即可把它设为当前工作日期；点击“今日”则回到当前工作日期。"),
                          12, false, QColor(90, 100, 120));
    hint->setWordWrap(true);
    hint->setGeometry(almanacLeft, 240, 760 - almanacLeft, 80);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kClockInterval);
    connect(Timer1, &QTimer::timeout, this, &TodayPage::tick);
    Timer1->start();
}

void TodayPage::RefreshWorkDateBanner(const QDate& workDate)
{
    workDate_ = workDate;
    DtLab0->setText(gregorianBanner(workDate));
    if (!lundar_.isAvailable())
        return;
    // The caption is read back and extended, as the lunar part is asked of the control.
    DtLab0->setText(fullBanner(DtLab0->text(), lundar_.callText(lundar::kDispGetChineseYear, workDate),
                               lundar_.callText(lundar::kDispGetChineseMonth, workDate),
                               lundar_.callText(lundar::kDispGetChineseDay, workDate)));
}

void TodayPage::RefreshAlmanac()
{
    const QDate browsed = lundar_.isAvailable() ? lundar_.value() : workDate_;
    const auto lines = almanacLines(browsed.isValid() ? browsed.month() : 0);
    for (int i = 0; i < 3; ++i) {
        if (cvLab[i]->text() != lines[i])
            cvLab[i]->setText(lines[i]);
    }
}

void TodayPage::tick()
{
    MbLab->setText(clock_().time().toString(QStringLiteral("hh:mm:ss")));
    RefreshAlmanac();
}

} // namespace tarnby::ui
