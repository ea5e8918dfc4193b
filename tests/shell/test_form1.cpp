#include "analysis/ui/AnalysisPage.h"
#include "import/ui/DataFolderPanel.h"
#include "shell/Form1.h"
#include "shell/InfoPage.h"
#include "shell/LundarHost.h"
#include "shell/SkinPictures.h"
#include "shell/TodayPage.h"
#include "shell/TodayTexts.h"
#include "settings/ui/SettingsPage.h"
#include "widgets/ClickLabel.h"
#include "widgets/ImageList.h"
#include "widgets/PictureButton.h"
#include "support/ProgramFolder.h"
#include "support/WindowSupport.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <optional>

using namespace tarnby::ui;
using testsupport::MessageRecorder;
using ProgramFolder = testsupport::WindowFolder;

namespace {

void sendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void hover(QWidget* w)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &enter);
    sendMouse(w, QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::NoButton);
}

void clickLeft(QWidget* w)
{
    sendMouse(w, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
}

// A 1x1 GIF whose only pixel is red.
QByteArray redGif()
{
    return QByteArray::fromHex("474946383961010001008000" "00ff0000000000" "2c00000000010001000002024401003b");
}

QRgb pixelOf(const QLabel* label)
{
    return label->pixmap().toImage().pixel(0, 0);
}

bool writeJpeg(const QString& path, const QColor& colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPG", 100);
}

// The title the window system shows for the widget's window. On an X server
// that is the window's name as xdotool reads it (the platform may add to the
// title it was given); elsewhere the title of the platform's window.
QString shownTitle(QWidget* widget)
{
    QWindow* window = widget->windowHandle();
    if (!window)
        return QStringLiteral("<no window>");
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return window->title();
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(window->winId())});
    if (!xdotool.waitForFinished(10000))
        return QStringLiteral("<xdotool did not answer>");
    QString name = QString::fromUtf8(xdotool.readAllStandardOutput());
    if (name.endsWith(u'\n'))
        name.chop(1);
    return name;
}

// Runs `open`, which shows a modal window, and returns that window's title as
// shown once it is on screen; the window is then closed as by its frame.
QString titleOfModal(const std::function<void()>& open)
{
    QString shown = QStringLiteral("<nothing opened>");
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->windowHandle() || !modal->windowHandle()->isExposed())
            return;
        poll.stop();
        shown = shownTitle(modal);
        modal->close();
    });
    poll.start();
    open();
    return shown;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsPageZeroWithItsTabSelected();
    void startUpWritesTheBannerAndSetsThePicker();
    void banner_data();
    void banner();
    void almanacFollowsThePickerNotTheBanner_data();
    void almanacFollowsThePickerNotTheBanner();
    void clockTicksEvery300ms();
    void pageSwitchShowsOnePageAndDisablesItsTab();
    void clickingTheTabOnShowDoesNothing();
    void tabHoverAndLeave();
    void actionButtonPressReleaseAndRightButton();
    void leavingWithTheButtonHeldRestoresTheNormalPicture();
    void movingWithTheButtonHeld_data();
    void movingWithTheButtonHeld();
    void skinFilesReplaceBuiltInPictures();
    void gifWinsOverJpegForTheEmblem();
    void aScaledScreenTakesTheSharperTwin_data();
    void aScaledScreenTakesTheSharperTwin();
    void unreadableSkinFileKeepsTheBuiltInPicture();
    void cancellingTheExitKeepsWindowAndValues();
    void confirmingTheExitCloses();
    void missingPluginStillStartsWithGregorianBanner();
    void todayButtonMovesThePickerToTheWorkDate();
    void weekdayNames_data();
    void weekdayNames();
    // Last: it sets the program's application-wide settings, as main() does.
    void titlesAsShown_data();
    void titlesAsShown();
};

void TestForm1::startUpShowsPageZeroWithItsTabSelected()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tarnby考勤助手2.0"));
    QCOMPARE(window.currentPage(), 0);
    QCOMPARE(window.MbtPic[0]->image(), kTabSelected);
    QVERIFY(!window.MbtPic[0]->isEnabled());
    for (int i = 1; i < Form1::kPageCount; ++i) {
        QCOMPARE(window.MbtPic[i]->image(), kTabNormal);
        QVERIFY(window.MbtPic[i]->isEnabled());
        QVERIFY(window.bPic[i]->isHidden());
        QCOMPARE(window.bPic[i]->size(), Form1::kPageSize);
    }
    // The period pickers are filled for the work date: February 2013 gives January.
    QCOMPARE(window.analysisPage->dCmb[4]->currentText(), QStringLiteral("2013"));
    QCOMPARE(window.analysisPage->dCmb[5]->currentText(), QStringLiteral("1"));
    for (int n = 10; n <= 14; ++n)
        QVERIFY2(window.bnPic[n] != nullptr, qPrintable(QString::number(n)));
}

void TestForm1::startUpWritesTheBannerAndSetsThePicker()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    QCOMPARE(window.todayPage->DtLab0->text(), QStringLiteral("2013年2月20日 星期三 [农历癸巳年一月十一]"));
    QCOMPARE(window.lundar().value(), QDate(2013, 2, 20));
    QCOMPARE(window.workDate(), QDate(2013, 2, 20));
    QCOMPARE(window.todayPage->cvLab[0]->text(), QStringLiteral("二月杏花开"));
    QTest::qWait(20);
    QVERIFY(recorder.messages.isEmpty());
}

void TestForm1::banner_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a Sunday uses 星期, never 周") << QDate(2013, 2, 24) << QStringLiteral("2013年2月24日 星期日 [农历癸巳年一月十五]");
    QTest::newRow("single-digit month and day have no leading zero")
        << QDate(2013, 2, 5) << QStringLiteral("2013年2月5日 星期二 [农历壬辰年十二月廿五]");
    QTest::newRow("a leap lunar month puts (闰) after the year")
        << QDate(2023, 3, 22) << QStringLiteral("2023年3月22日 星期三 [农历癸卯年(闰)二月初一]");
}

void TestForm1::banner()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    // "置为当前" takes the picker's date as the new work date.
    window.lundar().setValue(date);
    window.TakeWorkDateFromPicker();
    QCOMPARE(window.todayPage->DtLab0->text(), expected);
    QCOMPARE(window.workDate(), date);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("完成"));
    QCOMPARE(recorder.messages[0].text, QStringLiteral("已设为当前工作日期！"));
    // The period pickers follow the new work date.
    QCOMPARE(window.analysisPage->dCmb[4]->currentText(), QString::number(date.year()));
}

void TestForm1::almanacFollowsThePickerNotTheBanner_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("September") << 9 << QStringList{QStringLiteral("九月菊花开"), QStringLiteral("天温下降天气转凉"), QStringLiteral("昼夜长短相等了")};
    QTest::newRow("November has a two-character numeral")
        << 11 << QStringList{QStringLiteral("十一月山茶花开"), QStringLiteral("冬临大地寒风呼啸"), QStringLiteral("开始有小雪和冰苞")};
    QTest::newRow("March shares its late phrase with September")
        << 3 << QStringList{QStringLiteral("三月桃花开"), QStringLiteral("气温开始较快回升"), QStringLiteral("昼夜长短相等了")};
}

void TestForm1::almanacFollowsThePickerNotTheBanner()
{
    QFETCH(int, month);
    QFETCH(QStringList, lines);
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    const QString banner = window.todayPage->DtLab0->text();
    window.lundar().setValue(QDate(2013, month, 10));
    window.todayPage->tick();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(window.todayPage->cvLab[i]->text(), lines[i]);
    QCOMPARE(window.todayPage->DtLab0->text(), banner);
}

void TestForm1::clockTicksEvery300ms()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20), QTime(7, 5, 9)));
    QCOMPARE(window.todayPage->Timer1->interval(), 300);
    QVERIFY(window.todayPage->Timer1->isActive());
    QCOMPARE(window.todayPage->MbLab->text(), QStringLiteral("07:05:09"));
}

void TestForm1::pageSwitchShowsOnePageAndDisablesItsTab()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    for (int i : {2, 4, 1, 3, 0}) {
        clickLeft(window.MbtPic[i]);
        QCOMPARE(window.currentPage(), i);
        for (int t = 0; t < Form1::kPageCount; ++t) {
            QCOMPARE(window.bPic[t]->isVisible(), t == i);
            QCOMPARE(window.MbtPic[t]->isEnabled(), t != i);
            QCOMPARE(window.MbtPic[t]->image(), t == i ? kTabSelected : kTabNormal);
        }
    }
}

void TestForm1::clickingTheTabOnShowDoesNothing()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    window.SwitchPage(2);
    QSignalSpy spy(window.MbtPic[2], &PictureButton::released);
    QTest::mouseClick(window.MbtPic[2], Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(spy.size(), 0);
    QCOMPARE(window.MbtPic[2]->image(), kTabSelected);
    QCOMPARE(window.currentPage(), 2);
}

void TestForm1::tabHoverAndLeave()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    PictureButton* tab = window.MbtPic[3];
    hover(tab);
    QCOMPARE(tab->image(), kTabHover);
    sendMouse(tab, QEvent::MouseMove, QPoint(-1, 4), Qt::NoButton, Qt::NoButton);
    QCOMPARE(tab->image(), kTabNormal);
    // A tab has no pressed picture.
    hover(tab);
    sendMouse(tab, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(tab->image(), kTabHover);
}

void TestForm1::actionButtonPressReleaseAndRightButton()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    window.SwitchPage(2);
    PictureButton* button = window.bnPic[11];
    QSignalSpy spy(button, &PictureButton::released);

    sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton, Qt::RightButton);
    QCOMPARE(button->image(), kButtonNormal);
    sendMouse(button, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton, Qt::NoButton);
    QCOMPARE(spy.size(), 0);
    QVERIFY(window.analysisPage->cxPic->isHidden());

    hover(button);
    QCOMPARE(button->image(), kButtonHover);
    sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(button->image(), kButtonPressed);
    sendMouse(button, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(button->image(), kButtonNormal);
    QCOMPARE(spy.size(), 1);
    // bnPic(11) opened the data-folder panel.
    QVERIFY(window.analysisPage->cxPic->isVisible());
}

void TestForm1::leavingWithTheButtonHeldRestoresTheNormalPicture()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    window.SwitchPage(2);
    PictureButton* button = window.bnPic[10];
    QSignalSpy spy(button, &PictureButton::released);
    hover(button);
    sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    // Far beyond the window's edge in one move, as a fast pointer does.
    sendMouse(button, QEvent::MouseMove, QPoint(-400, -300), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(button->image(), kButtonNormal);
    sendMouse(button, QEvent::MouseButtonRelease, QPoint(-400, -300), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(spy.size(), 0);
}

void TestForm1::movingWithTheButtonHeld_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("image");
    QTest::addColumn<bool>("runs");
    // (54, 21) is the button's far corner, which still counts as over it.
    QTest::newRow("a move inside shows the under-the-pointer picture") << QPoint(20, 10) << kButtonHover << true;
    QTest::newRow("a move onto the far edge is still inside") << QPoint(54, 21) << kButtonHover << true;
    QTest::newRow("a move one pixel past the right edge is outside") << QPoint(55, 10) << kButtonNormal << false;
    QTest::newRow("a move above the top edge is outside") << QPoint(10, -1) << kButtonNormal << false;
}

void TestForm1::movingWithTheButtonHeld()
{
    QFETCH(QPoint, to);
    QFETCH(int, image);
    QFETCH(bool, runs);
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    window.SwitchPage(2);
    PictureButton* button = window.bnPic[11];
    QCOMPARE(button->size(), kButtonSize);
    QSignalSpy spy(button, &PictureButton::released);
    hover(button);
    sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(button->image(), kButtonPressed);
    sendMouse(button, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(button->image(), image);
    sendMouse(button, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(button->image(), kButtonNormal);
    QCOMPARE(spy.size(), runs ? 1 : 0);
    QCOMPARE(window.analysisPage->cxPic->isVisible(), runs);
}

void TestForm1::skinFilesReplaceBuiltInPictures()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    QVERIFY(folder.mkpath(QStringLiteral("Skin")));
    QVERIFY(writeJpeg(folder.file(QStringLiteral("Skin/1001.jpg")), QColor(0, 0, 255)));
    QVERIFY(writeJpeg(folder.file(QStringLiteral("Skin/1003.jpg")), QColor(0, 255, 0)));
    QVERIFY(writeJpeg(folder.file(QStringLiteral("Skin/1004.jpg")), QColor(255, 255, 0)));
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    QVERIFY(qBlue(pixelOf(window.PicM1)) > 200 && qRed(pixelOf(window.PicM1)) < 40);
    QVERIFY(qGreen(pixelOf(window.Pic_bk)) > 200 && qRed(pixelOf(window.Pic_bk)) < 40);
    QVERIFY(qRed(pixelOf(window.infoPage->qImg0)) > 200 && qBlue(pixelOf(window.infoPage->qImg0)) < 40);
    QCOMPARE(window.ImgPt2->pixmap().size(), QSize(64, 64)); // no 1002: the built-in emblem
}

void TestForm1::aScaledScreenTakesTheSharperTwin_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("twin");
    QTest::addColumn<QString>("taken");
    QTest::newRow("plain screen") << 1.0 << true << "1001.jpg";
    QTest::newRow("scaled screen with a twin") << 1.5 << true << "1001@2x.jpg";
    QTest::newRow("scaled screen without one") << 2.0 << false << "1001.jpg";
}

void TestForm1::aScaledScreenTakesTheSharperTwin()
{
    QFETCH(qreal, ratio);
    QFETCH(bool, twin);
    QFETCH(QString, taken);
    ProgramFolder folder;
    QVERIFY(folder.mkpath(QStringLiteral("Skin")));
    QVERIFY(writeJpeg(folder.file(QStringLiteral("Skin/1001.jpg")), QColor(0, 0, 255)));
    if (twin)
        QVERIFY(writeJpeg(folder.file(QStringLiteral("Skin/1001@2x.jpg")), QColor(0, 0, 255)));
    const QList<SkinFile> files = skinFiles(folder.path(), ratio);
    QCOMPARE(files.size(), 1);
    QCOMPARE(QFileInfo(files[0].path).fileName(), taken);
}

void TestForm1::gifWinsOverJpegForTheEmblem()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    QVERIFY(folder.mkpath(QStringLiteral("Skin")));
    QVERIFY(writeJpeg(folder.file(QStringLiteral("Skin/1002.jpg")), QColor(0, 0, 255)));
    QFile gif(folder.file(QStringLiteral("Skin/1002.gif")));
    QVERIFY(gif.open(QIODevice::WriteOnly));
    gif.write(redGif());
    gif.close();
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    const QRgb pixel = pixelOf(window.ImgPt2);
    QCOMPARE(qRed(pixel), 255);
    QCOMPARE(qBlue(pixel), 0);
}

void TestForm1::unreadableSkinFileKeepsTheBuiltInPicture()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    QVERIFY(folder.mkpath(QStringLiteral("Skin")));
    QFile broken(folder.file(QStringLiteral("Skin/1001.jpg")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    QCOMPARE(window.PicM1->pixmap().size(), QSize(800, 600));
}

void TestForm1::cancellingTheExitKeepsWindowAndValues()
{
    MessageRecorder recorder(MessageAnswer::Cancel);
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    window.SwitchPage(2);
    window.analysisPage->chooseTimeMode(2);
    const QString period = window.analysisPage->cnLab[3]->text();
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(recorder.messages.size(), 1);
    const Message& asked = recorder.messages[0];
    QCOMPARE(asked.title, QStringLiteral("退出"));
    QCOMPARE(asked.text, QStringLiteral("是否确定退出本程序？"));
    QCOMPARE(asked.buttons, MessageButtons::OkCancel);
    QCOMPARE(asked.icon, MessageIcon::None);
    QCOMPARE(window.currentPage(), 2);
    QCOMPARE(window.analysisPage->cnLab[4]->text(), QStringLiteral("2"));
    QCOMPARE(window.analysisPage->cnLab[3]->text(), period);
    QCOMPARE(window.workDate(), QDate(2013, 2, 20));
}

void TestForm1::confirmingTheExitCloses()
{
    MessageRecorder recorder(MessageAnswer::Ok);
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
}

void TestForm1::missingPluginStillStartsWithGregorianBanner()
{
    MessageRecorder recorder;
    ProgramFolder folder(false);
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    QCOMPARE(window.todayPage->DtLab0->text(), QStringLiteral("2013年2月20日 星期三"));
    QVERIFY(window.todayPage->Lundar1 == nullptr);
    // The almanac falls back to the work date's month.
    QCOMPARE(window.todayPage->cvLab[0]->text(), QStringLiteral("二月杏花开"));
    QTRY_COMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("错误"));
    QVERIFY(recorder.messages[0].text.contains(QStringLiteral("Lundar.Lundar1")));
    // "置为当前" cannot take a date from a missing picker: the work date stays.
    window.TakeWorkDateFromPicker();
    QCOMPARE(recorder.messages.size(), 2);
    QCOMPARE(recorder.messages[1].title, QStringLiteral("错误"));
    QCOMPARE(window.workDate(), QDate(2013, 2, 20));
}

void TestForm1::todayButtonMovesThePickerToTheWorkDate()
{
    MessageRecorder recorder;
    ProgramFolder folder;
    Form1 window(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    window.show();
    window.lundar().setValue(QDate(2015, 7, 1));
    window.SwitchPage(2);
    QTest::mouseClick(window.analysisPage->cdBtnLab[0], Qt::LeftButton);
    QCOMPARE(window.lundar().value(), QDate(2013, 2, 20));
    QVERIFY(recorder.messages.isEmpty());
}

void TestForm1::weekdayNames_data()
{
    QTest::addColumn<int>("weekday");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expected");
    QTest::newRow("style 1, Sunday") << 1 << 1 << QStringLiteral("星期日");
    QTest::newRow("style 1, Saturday") << 7 << 1 << QStringLiteral("星期六");
    QTest::newRow("other style, Monday") << 2 << 0 << QStringLiteral("周一");
    QTest::newRow("weekday 0 gives the prefix alone") << 0 << 1 << QStringLiteral("星期");
    QTest::newRow("weekday 8 gives the prefix alone") << 8 << 2 << QStringLiteral("周");
}

void TestForm1::weekdayNames()
{
    QFETCH(int, weekday);
    QFETCH(int, style);
    QFETCH(QString, expected);
    QCOMPARE(WeekdayName(weekday, static_cast<qint16>(style)), expected);
}

enum class TitledWindow { Main, Error, Done, Exit, FolderPicker };

void TestForm1::titlesAsShown_data()
{
    QTest::addColumn<TitledWindow>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("the main window") << TitledWindow::Main << QStringLiteral("Tarnby考勤助手2.0");
    QTest::newRow("an input error") << TitledWindow::Error << QStringLiteral("错误");
    QTest::newRow("a save done") << TitledWindow::Done << QStringLiteral("完成");
    QTest::newRow("the exit question") << TitledWindow::Exit << QStringLiteral("退出");
    QTest::newRow("the folder picker") << TitledWindow::FolderPicker << QStringLiteral("选取文件夹");
}

void TestForm1::titlesAsShown()
{
    QFETCH(TitledWindow, window);
    QFETCH(QString, title);
    setUpApplication();
    ProgramFolder folder;
    // Whatever the start-up has to say is not the question here.
    std::optional<MessageRecorder> startUp(std::in_place);
    Form1 form(folder.path(), testsupport::fixedClock(QDate(2013, 2, 20)));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    startUp.reset();

    QString shown;
    switch (window) {
    case TitledWindow::Main: shown = shownTitle(&form); break;
    case TitledWindow::Error: // no employee number typed
        shown = titleOfModal([&] { form.settingsPage->AddRosterEntry(); });
        break;
    case TitledWindow::Done:
        form.SwitchPage(3);
        shown = titleOfModal([&] { form.settingsPage->SaveRoster(); });
        break;
    case TitledWindow::Exit:
        shown = titleOfModal([&] { form.close(); });
        QVERIFY(form.isVisible()); // closed by its frame: Cancel
        break;
    case TitledWindow::FolderPicker:
        form.SwitchPage(2);
        form.analysisPage->OpenDataFolderPanel();
        shown = titleOfModal([&] { form.analysisPage->cxPic->Browse(); });
        break;
    }
    QCOMPARE(shown, title);
}

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
