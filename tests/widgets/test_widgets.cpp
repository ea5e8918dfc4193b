#include "settings/DayCell.h"
#include "widgets/Calculator.h"
#include "widgets/ClickLabel.h"
#include "widgets/ImageList.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureComboBox.h"
#include "support/WindowSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(tarnby::Outcome)

using namespace tarnby::ui;
using tarnby::ClickButton;
using tarnby::dayClickButton;
using tarnby::Outcome;

namespace {

using testsupport::MessageRecorder;

QImage pictureOf(const PictureComboBox* combo)
{
    return combo->picture()->pixmap().toImage();
}

} // namespace

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void outcomeMessage_data();
    void outcomeMessage();
    void dayClickButtons_data();
    void dayClickButtons();
    void longPathsGetPlacesToBreak_data();
    void longPathsGetPlacesToBreak();
    void pictureButtonActsOnEnterAndSpace();
    void dropDownPictureStaysOverTheArrow();
    void dropDownPictureFollowsTheFocus();
    void dropDownPictureGoesWithTheList();
    void calculatorLookup_data();
    void calculatorLookup();
    void noCalculatorSaysSo();
};

void TestWidgets::outcomeMessage_data()
{
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::newRow("an error is shown as 错误 with the critical icon")
        << Outcome::error(QStringLiteral("无法保存")) << true << QStringLiteral("错误") << int(MessageIcon::Critical);
    QTest::newRow("a success is shown as 完成 without icon")
        << Outcome::success(QStringLiteral("保存成功")) << true << QStringLiteral("完成") << int(MessageIcon::None);
    QTest::newRow("a quiet outcome shows nothing") << Outcome::quiet() << false << QString() << 0;
    QTest::newRow("an error without text shows nothing") << Outcome::error(QString()) << false << QString() << 0;
}

void TestWidgets::outcomeMessage()
{
    QFETCH(Outcome, outcome);
    QFETCH(bool, shown);
    QFETCH(QString, title);
    QFETCH(int, icon);
    MessageRecorder recorder;
    showOutcome(nullptr, outcome);
    QCOMPARE(recorder.messages.size(), shown ? 1 : 0);
    if (!shown)
        return;
    QCOMPARE(recorder.messages[0].title, title);
    QCOMPARE(recorder.messages[0].text, outcome.text);
    QCOMPARE(int(recorder.messages[0].icon), icon);
    QCOMPARE(recorder.messages[0].buttons, MessageButtons::Ok);
}

void TestWidgets::dayClickButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("left marks") << int(Qt::LeftButton) << int(ClickButton::Left);
    QTest::newRow("right unmarks") << int(Qt::RightButton) << int(ClickButton::Right);
    QTest::newRow("middle does nothing") << int(Qt::MiddleButton) << int(ClickButton::Other);
    QTest::newRow("a side button does nothing") << int(Qt::BackButton) << int(ClickButton::Other);
}

void TestWidgets::dayClickButtons()
{
    QFETCH(int, button);
    QFETCH(int, expected);
    QCOMPARE(int(dayClickButton(Qt::MouseButton(button))), expected);
}

void TestWidgets::longPathsGetPlacesToBreak_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("longestUnbroken");
    QTest::newRow("a short message") << QStringLiteral("已设为当前工作日期！") << 10;
    QTest::newRow("a long path") << QStringLiteral("文件 /home/office/attendance/2026/november/exports/kq-2026-11-1.xls 未能读出")
                                 << 40;
    QTest::newRow("a long name without separators") << QStringLiteral("x").repeated(100) << 40;
}

void TestWidgets::longPathsGetPlacesToBreak()
{
    QFETCH(QString, text);
    QFETCH(int, longestUnbroken);
    const QString shown = breakableText(text);
    QCOMPARE(QString(shown).remove(QChar(0x200B)), text);
    for (const QString& word : shown.split(QRegularExpression(QStringLiteral("[\\s\\x{200B}]"))))
        QVERIFY2(word.size() <= longestUnbroken, qPrintable(word));
}

void TestWidgets::pictureButtonActsOnEnterAndSpace()
{
    PictureButton button(PictureButton::Kind::Action);
    button.setCaption(QStringLiteral("保存"));
    QCOMPARE(button.accessibleName(), QStringLiteral("保存"));
    QSignalSpy released(&button, &PictureButton::released);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A})
        QTest::keyClick(&button, key);
    QCOMPARE(released.size(), 3);
}

void TestWidgets::dropDownPictureStaysOverTheArrow()
{
    QWidget page;
    page.resize(300, 200);
    auto combo = new PictureComboBox(&page);
    combo->setGeometry(20, 30, 120, 24);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto over = [combo] {
        const QRect list = combo->geometry();
        const QRect picture = combo->picture()->geometry();
        return combo->picture()->parentWidget() == combo->parentWidget() && list.contains(picture)
            && list.right() - picture.right() <= 1 && qAbs(picture.center().y() - list.center().y()) <= 1;
    };
    QVERIFY(over());
    QCOMPARE(combo->picture()->size(), listImage(kComboNormal).size());
    QVERIFY(combo->picture()->testAttribute(Qt::WA_TransparentForMouseEvents));
    // Moved and resized while on show, the picture goes along.
    combo->setGeometry(60, 100, 80, 30);
    QVERIFY(over());
    combo->move(5, 5);
    QVERIFY(over());
}

void TestWidgets::dropDownPictureFollowsTheFocus()
{
    QWidget page;
    auto first = new PictureComboBox(&page);
    first->addItems({QStringLiteral("一"), QStringLiteral("二")});
    first->setGeometry(10, 10, 100, 22);
    auto box = new QLineEdit(&page);
    box->setGeometry(10, 40, 100, 22);
    page.show();
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    const QImage normal = listImage(kComboNormal).toImage();
    const QImage focus = listImage(kComboFocus).toImage();

    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(pictureOf(first), normal);
    first->setFocus(Qt::TabFocusReason);
    QCOMPARE(pictureOf(first), focus);
    // The open list takes the focus to its pop-up; to the user the list still has it.
    first->showPopup();
    QCOMPARE(pictureOf(first), focus);
    first->hidePopup();
    QCOMPARE(pictureOf(first), focus);
    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(pictureOf(first), normal);
}

void TestWidgets::dropDownPictureGoesWithTheList()
{
    QWidget page;
    auto combo = new PictureComboBox(&page);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(combo->picture()->isVisible());
    combo->hide();
    QVERIFY(combo->picture()->isHidden());
    combo->show();
    QVERIFY(combo->picture()->isVisible());

    const QPointer<QLabel> picture = combo->picture();
    delete combo;
    QVERIFY(picture.isNull());
    // The page deletes this one with its children, the picture included.
    new PictureComboBox(&page);
}

void TestWidgets::calculatorLookup_data()
{
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<bool>("shipped");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the first desktop calculator in the list wins")
        << QStringList{QStringLiteral("xcalc"), QStringLiteral("kcalc")} << true << QStringLiteral("kcalc");
    QTest::newRow("the shipped one when none is on the path") << QStringList{} << true << QStringLiteral("calc");
    QTest::newRow("nothing at all") << QStringList{} << false << QString();
    QTest::newRow("a file that cannot run is no calculator") << QStringList{QStringLiteral("!gnome-calculator")} << false
                                                              << QString();
}

void TestWidgets::calculatorLookup()
{
    QFETCH(QStringList, onPath);
    QFETCH(bool, shipped);
    QFETCH(QString, expected);
    QTemporaryDir bin;
    QTemporaryDir folder;
    auto place = [](const QString& path, bool executable) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        f.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                    : QFile::ReadOwner | QFile::WriteOwner);
    };
    for (QString name : onPath) {
        const bool executable = !name.startsWith(u'!');
        name.remove(u'!');
        place(QDir(bin.path()).filePath(name), executable);
    }
    if (shipped) {
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Tools")));
        place(QDir(folder.path()).filePath(QStringLiteral("Tools/calc")), true);
    }
    const QString found = findCalculator(folder.path(), QStringList{bin.path()});
    QCOMPARE(QFileInfo(found).fileName(), expected);
}

void TestWidgets::noCalculatorSaysSo()
{
    MessageRecorder recorder;
    QTemporaryDir emptyBin;
    QTemporaryDir folder;
    QVERIFY(!startCalculator(nullptr, folder.path(), QStringList{emptyBin.path()}));
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("错误"));
    QCOMPARE(recorder.messages[0].text, QStringLiteral("找不到[计算器]程序！"));
}

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
