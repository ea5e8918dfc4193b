#pragma once
// tarnby-cli run as a script runs it, its exit status and both outputs kept.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testsupport {

struct CliRun {
    int status = -1; // -1: it crashed or did not end in time
    QByteArray out;
    QString err;
};

CliRun runCli(const QStringList& args);
// Another program (a copy of tarnby-cli elsewhere) run the same way.
CliRun runProgram(const QString& program, const QStringList& args);

// The translations the build compiled beside tarnby-cli.
QStringList builtTranslationFolders();

} // namespace testsupport
