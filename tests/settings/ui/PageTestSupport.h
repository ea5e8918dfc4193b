#pragma once
// What the page tests share: a scratch program folder with Init.ini and
// SrDate, and a message seam that records instead of asking a person.

#include "base/TextFile.h"
#include "widgets/MessageSeam.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QTemporaryDir>
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

class ProgramFolder {
public:
    explicit ProgramFolder(const QStringList& roster = {QStringLiteral("0001,张三"), QStringLiteral("a2，李四")})
    {
        QDir(dir_.path()).mkdir(QStringLiteral("SrDate"));
        writeInit(initLines(roster));
    }
    QString path() const { return dir_.path(); }
    QString init() const { return QDir(dir_.path()).filePath(QStringLiteral("Init.ini")); }
    QString srDate(const QString& name) const
    {
        return QDir(dir_.path()).filePath(QStringLiteral("SrDate/") + name);
    }
    void writeInit(const QStringList& lines) const { tarnby::textfile::writeLines(init(), lines); }
    QStringList initText() const { return tarnby::textfile::readLines(init()).value(); }
    void writeMonth(const QString& name, const QStringList& lines) const
    {
        tarnby::textfile::writeLines(srDate(name), lines);
    }
    QByteArray bytes(const QString& file) const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList monthLines(const QString& name) const
    {
        auto lines = tarnby::textfile::readLines(srDate(name));
        return lines ? lines.value() : QStringList();
    }

private:
    QTemporaryDir dir_;
};

// Records every message box instead of showing it; each answers OK.
class MessageLog {
public:
    MessageLog()
    {
        previous_ = tarnby::ui::setMessageHandler([this](QWidget*, const tarnby::ui::Message& m) {
            messages.append(m);
            return tarnby::ui::MessageAnswer::Ok;
        });
    }
    ~MessageLog() { tarnby::ui::setMessageHandler(previous_); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : messages)
            out.append(m.text);
        return out;
    }
    QString lastTitle() const { return messages.isEmpty() ? QString() : messages.last().title; }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }

    QList<tarnby::ui::Message> messages;

private:
    tarnby::ui::MessageHandler previous_;
};

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
