#include "InfoPage.h"

#include "LanguageChoice.h"
#include "SkinPictures.h"
#include "base/Language.h"
#include "widgets/MessageSeam.h"

#include <QComboBox>
#include <QLabel>
#include <QCoreApplication>
#include <QScrollArea>

namespace tarnby::ui {
namespace {

const char* const kAbout = QT_TRANSLATE_NOOP("InfoPage",
    "<p style=\"margin-top:0\"><b>Tarnby考勤助手</b>读取考勤机导出的 xls 考勤记录，按员工逐日列出上午、下午的"
    "上下班打卡时间，判断迟到、漏打、旷工、加班与休息日加班，结合特殊情况登记和值日安排，"
    "统计出一个结算周期的考勤结果。</p>"
    "<p><b>使用步骤</b></p>"
    "<ol style=\"margin-left:-20px\">"
    "<li>[系统设置] 录入员工编号与姓名，设定上下班时间和考勤记录在表格中的读取位置，分别保存。</li>"
    "<li>[登记值日] 为请假、漏打、处罚等特殊情况登记，并安排值日员工，记得保存。</li>"
    "<li>[考勤统计] 选择起始年月与月结制式（月初制或月中制），在日历上用鼠标左键标记休息日、右键取消，"
    "或点击“一键标记”标出周末和节假日；标记随即保存，下次打开仍在。</li>"
    "<li>点击“读取记录”，选择考勤文件所在目录，再点击“读取文件夹数据”读入全部考勤记录。</li>"
    "<li>在员工列表中选择员工，点击“刷新列表”即得当期考勤列表与统计；备注中的*号表示当天有特殊情况登记，"
    "点击列表下方的“* * *”可查看详情。</li>"
    "</ol>"
    "<p><b>小贴士</b>：设置保存在程序目录的 Init.ini 中，登记、值日与休息日按月保存在 SrDate 目录中；"
    "把 1001.jpg、1002.jpg（或 1002.gif）、1003.jpg、1004.jpg 放入程序目录的 Skin 目录即可更换界面图片。</p>"
    "<p><b>节假日</b>：“一键标记”所用的节假日安排在程序目录的 Holidays.txt 中，已含 2025、2026 年。"
    "每年公布次年的放假安排后，请照其格式添加到该文件末尾：每行一天，如“2027-01-01 元旦”，"
    "调休上班的周末写“上班”，以 UTF-8 编码保存。</p>");

const char* const kKeys = QT_TRANSLATE_NOOP("InfoPage",
    "<b>键盘操作</b><br>"
    "Ctrl+1 … Ctrl+5：切换五个页面<br>"
    "Tab / Shift+Tab：在控件间移动<br>"
    "Enter 或空格：按下按钮<br>"
    "方向键、PageUp/PageDown、Home/End：在日历中移动<br>"
    "Shift+PageUp/Down：上一年、下一年<br>"
    "Enter：选定日期或标记休息日；空格：标记或取消休息日<br>"
    "汇总表中 Enter：查看该员工");

// A rich text of the page in a frameless area that scrolls it when it is
// longer than its room; Tab stops there, shows that it has the focus (and so
// scrolls by the arrow keys) with a frame of the highlight colour.
QScrollArea* scrollingText(QLabel* text, const QString& name, const QString& accessibleName, QWidget* page)
{
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = text->font();
    font.setPixelSize(12);
    text->setFont(font);
    auto area = new QScrollArea(page);
    area->setObjectName(name);
    area->setAccessibleName(accessibleName);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->viewport()->setAutoFillBackground(false);
    area->setWidget(text);
    text->setAutoFillBackground(false);
    area->setStyleSheet(QStringLiteral("QScrollArea { border: 1px solid transparent; }"
                                       "QScrollArea:focus { border-color: palette(highlight); }"));
    return area;
}

// The foot of the page is the program folder's line.
constexpr int kFootHeight = 26;

} // namespace

InfoPage::InfoPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("bPic(4)"));
    resize(780, 480);

    DtLab4 = new QLabel(QCoreApplication::translate("InfoPage", "程序说明"), this);
    DtLab4->setObjectName(QStringLiteral("DtLab(4)"));
    QFont titleFont = DtLab4->font();
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    DtLab4->setFont(titleFont);
    QPalette titlePalette = DtLab4->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(22, 74, 128));
    DtLab4->setPalette(titlePalette);
    DtLab4->setGeometry(24, 14, 400, 34);

    qImg0 = new QLabel(this);
    qImg0->setObjectName(QStringLiteral("qImg(0)"));
    const QSize pictureSize = skinPartSize(SkinPart::InfoPicture);
    qImg0->setGeometry(QRect(QPoint(24, 64), pictureSize));
    qImg0->setScaledContents(true);
    qImg0->setPixmap(builtInPicture(SkinPart::InfoPicture, qImg0->devicePixelRatioF()));

    qTxt = new QLabel(QCoreApplication::translate("InfoPage", kAbout), this);
    qTxt->setObjectName(QStringLiteral("qTxt"));
    // The help ends above the program folder's line; a longer text scrolls
    // there rather than running over it.
    textScroll = scrollingText(qTxt, QStringLiteral("qTxtScroll"), DtLab4->text(), this);
    textScroll->setGeometry(24 + pictureSize.width() + 24, 56, 780 - 24 - pictureSize.width() - 24 - 12,
                        480 - 56 - kFootHeight - 4);

    auto version = new QLabel(QCoreApplication::translate("InfoPage", "Tarnby考勤助手2.0"), this);
    version->setObjectName(QStringLiteral("qVer"));
    version->setGeometry(24, 64 + pictureSize.height() + 12, pictureSize.width(), 20);
    version->setAlignment(Qt::AlignCenter);

    qKeys = new QLabel(QCoreApplication::translate("InfoPage", kKeys), this);
    qKeys->setObjectName(QStringLiteral("qKeys"));
    // Under the picture the list has the room that is left; in a language
    // that takes more lines it scrolls, by the keys too, rather than being cut.
    keysScroll = scrollingText(qKeys, QStringLiteral("qKeysScroll"), QCoreApplication::translate("InfoPage", "键盘操作"), this);
    const int keysTop = version->geometry().bottom() + 6;
    keysScroll->setGeometry(24, keysTop, pictureSize.width(), 480 - kFootHeight - 6 - keysTop);
    setTabOrder(keysScroll, textScroll);
}

void InfoPage::showProgramFolder(const QString& description)
{
    if (!qHome) {
        qHome = new QLabel(this);
        qHome->setObjectName(QStringLiteral("qHome"));
        qHome->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont font = qHome->font();
        font.setPixelSize(12);
        qHome->setFont(font);
        qHome->setGeometry(24, height() - kFootHeight, width() - 48, 20);
        qHome->show();
    }
    // A long path is shortened in the middle; the whole of it stays in the tip.
    const QString shown = qHome->fontMetrics().elidedText(description, Qt::ElideMiddle, qHome->width());
    qHome->setText(shown);
    qHome->setToolTip(shown == description ? QString() : description);
}

} // namespace tarnby::ui

namespace tarnby::ui {

void InfoPage::offerLanguages(const QString& programDir)
{
    if (cmbLang)
        return;
    // At the right end of the title's line: under the picture the list of
    // keys needs all the room there is.
    constexpr int boxWidth = 150;
    constexpr int right = 780 - 12;
    auto caption = new QLabel(QCoreApplication::translate("InfoPage", "语言："), this);
    caption->setObjectName(QStringLiteral("qLang"));
    // As wide as its text in the language on show ("Language:" is twice "语言：").
    const int captionWidth = caption->fontMetrics().horizontalAdvance(caption->text()) + 6;
    caption->setGeometry(right - boxWidth - captionWidth, 18, captionWidth, 24);
    cmbLang = new QComboBox(this);
    cmbLang->setObjectName(QStringLiteral("cmbLang"));
    cmbLang->setGeometry(right - boxWidth, 18, boxWidth, 24);
    caption->setBuddy(cmbLang);
    setTabOrder(cmbLang, keysScroll);
    setTabOrder(keysScroll, textScroll);
    // Each language is named in itself, so that a user who cannot read the
    // current one still finds their own.
    cmbLang->addItem(QCoreApplication::translate("InfoPage", "跟随系统"), QString());
    for (Language language : {Language::SimplifiedChinese, Language::TraditionalChinese, Language::English}) {
        static const char* const names[] = {"简体中文", "繁體中文", "English"};
        cmbLang->addItem(QString::fromUtf8(names[int(language)]), languageCode(language));
    }
    cmbLang->setCurrentIndex(std::max(0, cmbLang->findData(storedLanguageChoice(programDir))));
    // Said in a message: a line under the box would take the room of the keys.
    connect(cmbLang, &QComboBox::activated, this, [this, programDir] {
        const bool stored = storeLanguageChoice(programDir, cmbLang->currentData().toString());
        showMessage(this, {kProgramTitle,
                           stored ? QCoreApplication::translate("InfoPage", "重新启动程序后使用所选语言。")
                                  : QCoreApplication::translate("InfoPage", "无法保存语言选择：程序文件夹不可写入。"),
                           stored ? MessageIcon::Information : MessageIcon::Warning});
    });
    caption->show();
    cmbLang->show();
}

} // namespace tarnby::ui
