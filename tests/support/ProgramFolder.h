#pragma once
// A scratch program folder: SrDate/ always, Init.ini, Holidays.txt and the
// date-picker plugin when a test asks for them, and the month files read and
// written byte for byte, so a test can prove that a failed operation left a
// file alone.

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// A whole file's bytes (empty when it cannot be read), and a whole file written.
QByteArray bytesOf(const QString& path);
bool writeBytes(const QString& path, const QByteArray& bytes);

class ProgramFolder {
public:
    ProgramFolder() { QDir(dir_.path()).mkdir(QStringLiteral("SrDate")); }

    bool valid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    // A path inside the program folder.
    QString file(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }
    bool mkpath(const QString& relative) const { return QDir(dir_.path()).mkpath(relative); }
    // SrDate/ itself, or a month file in it.
    QString srDate(const QString& name = {}) const
    {
        return file(name.isEmpty() ? QStringLiteral("SrDate") : QStringLiteral("SrDate/") + name);
    }
    void removeSrDate() const { QDir(srDate()).removeRecursively(); }

    // The copy the repository ships in dist/ ("Init.ini", "Holidays.txt").
    bool copyShipped(const QString& name) const;
    // The build's date-picker plugins as plugins/, where the window looks first.
    bool linkPlugins() const;

    QString init() const { return file(QStringLiteral("Init.ini")); }
    bool writeInit(const QStringList& lines) const;
    QStringList initText() const;

    // Month files in SrDate/: raw bytes, or lines as the program stores them (GBK, CR LF).
    void write(const QString& name, const QByteArray& bytes) const { writeBytes(srDate(name), bytes); }
    QByteArray read(const QString& name) const { return bytesOf(srDate(name)); }
    bool exists(const QString& name) const { return QFileInfo::exists(srDate(name)); }
    bool writeMonth(const QString& name, const QStringList& lines) const;
    QStringList monthLines(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// The folder the window starts on: the shipped Init.ini (read position A2B2)
// and, unless a test leaves it out, the date-picker plugin.
class WindowFolder : public ProgramFolder {
public:
    explicit WindowFolder(bool plugins = true);
};

// The window's folder with November 2026's month files for the sample month:
// leave, sick leave, an excuse for everybody, fines of 5 and 二十 yuan for
// 0002, and 0002 on duty on the 24th.
class SampleMonthFolder : public WindowFolder {
public:
    SampleMonthFolder();
};

// Init.ini with a read position ("A2B2"), roster lines ("0001,张三") and the
// shipped working times.
QStringList initLines(const QString& position, const QStringList& roster);

// GBK bytes of a text, for writing fixtures the way the program stores them.
QByteArray gbk(const QString& text);

} // namespace testsupport
