#pragma once
// tarnby-cli run as a script runs it, its exit status and both outputs kept.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QCoreApplication;

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

// An application object for a test of translated texts, where the test
// runner made none: translators are installed on it.
class TranslatingApplication {
public:
    TranslatingApplication();
    ~TranslatingApplication();
    TranslatingApplication(const TranslatingApplication&) = delete;
    TranslatingApplication& operator=(const TranslatingApplication&) = delete;

private:
    int argc_ = 1;
    char name_[8] = "tarnby";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

} // namespace testsupport
