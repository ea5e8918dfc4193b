#pragma once
// A scratch program folder with its SrDate folder, and byte-level access to the
// month files, so a test can prove that a failed operation left a file alone.

#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace testsupport {

class ProgramFolder {
public:
    ProgramFolder() { QDir(dir_.path()).mkdir(QStringLiteral("SrDate")); }
    bool valid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString srDate() const { return QDir(dir_.path()).filePath(QStringLiteral("SrDate")); }
    QString file(const QString& name) const { return QDir(srDate()).filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& name) const { return QFile::exists(file(name)); }
    void removeSrDate() const { QDir(srDate()).removeRecursively(); }

private:
    QTemporaryDir dir_;
};

// GBK bytes of a text, for writing fixtures the way the program stores them.
inline QByteArray gbk(const QString& text)
{
    return tarnby::textfile::encodeGbk(text);
}

} // namespace testsupport
