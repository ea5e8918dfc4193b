#pragma once
// What the page tests share: a scratch program folder with Init.ini and
// SrDate, and a message seam that records instead of asking a person.

#include "support/ProgramFolder.h"
#include "support/WindowSupport.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace pagetest {

// Init.ini as the program ships it, with a roster of the given lines.
inline QStringList initLines(const QStringList& roster)
{
    QStringList lines{QStringLiteral("[A1B2]数据读取位置"), QStringLiteral("说明：这一行由用户自己写。"),
                      QStringLiteral(";+ 员工编号,姓名")};
    lines += roster;
    lines += QStringList{QStringLiteral(";# 员工结束"), QStringLiteral(";= 时间"),
                         QStringLiteral("083012001400170020302230090017002130"), QStringLiteral(";* 时间结束"),
                         QStringLiteral(";; 文件结束")};
    return lines;
}

// A program folder whose Init.ini holds the given roster.
struct ProgramFolder : testsupport::ProgramFolder {
    explicit ProgramFolder(const QStringList& roster = {QStringLiteral("0001,张三"), QStringLiteral("a2，李四")})
    {
        writeInit(initLines(roster));
    }
};

using MessageLog = testsupport::MessageRecorder;

// Shows the page as its own window and waits until it can take the focus.
inline bool showActive(QWidget& page)
{
    page.show();
    page.activateWindow();
    return QTest::qWaitForWindowActive(&page);
}

// The user clicks into the box, replaces its text by typing, and leaves it for
// another control; the page's rules run once the focus has moved.
inline void typeAndLeave(QLineEdit* box, const QString& typed, QWidget* next)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, typed);
    next->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace pagetest
