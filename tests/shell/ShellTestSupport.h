#pragma once
// A scratch program folder for the window (Init.ini, SrDate/, optionally the
// date-picker plugin), a fixed clock, and a recorder for the message seam.

#include "base/Clock.h"
#include "widgets/MessageSeam.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

namespace shelltest {

// The build's program folder, where the plugin and the shipped files lie.
inline QString builtProgramDir()
{
    return QStringLiteral(TARNBY_PROGRAM_DIR);
}

class ProgramFolder {
public:
    explicit ProgramFolder(bool withPlugin = true)
    {
        QDir dir(dir_.path());
        dir.mkdir(QStringLiteral("SrDate"));
        QFile::copy(QDir(QStringLiteral(TARNBY_DIST_DIR)).filePath(QStringLiteral("Init.ini")),
                    dir.filePath(QStringLiteral("Init.ini")));
        if (withPlugin) {
            QFile::link(QDir(builtProgramDir()).filePath(QStringLiteral("plugins")),
                        dir.filePath(QStringLiteral("plugins")));
        }
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }
    bool mkpath(const QString& relative) const { return QDir(dir_.path()).mkpath(relative); }

private:
    QTemporaryDir dir_;
};

inline bool pluginBuilt()
{
    return QDir(QDir(builtProgramDir()).filePath(QStringLiteral("plugins"))).entryList(QDir::Files).size() > 0;
}

inline tarnby::Clock fixedClock(const QDate& date, const QTime& time = QTime(8, 30, 5))
{
    return [date, time] { return QDateTime(date, time); };
}

// Answers every message with `answer` and keeps what was asked.
class MessageRecorder {
public:
    explicit MessageRecorder(tarnby::ui::MessageAnswer answer = tarnby::ui::MessageAnswer::Ok)
    {
        previous_ = tarnby::ui::setMessageHandler([this, answer](QWidget*, const tarnby::ui::Message& m) {
            messages.append(m);
            return answer;
        });
    }
    ~MessageRecorder() { tarnby::ui::setMessageHandler(std::move(previous_)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QList<tarnby::ui::Message> messages;

private:
    tarnby::ui::MessageHandler previous_;
};

} // namespace shelltest
