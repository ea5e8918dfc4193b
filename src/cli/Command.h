#pragma once
// Each subcommand of tarnby-cli lives in its own file and registers itself here.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QCoreApplication;

namespace tarnby::cli {

// Exit statuses: scripts tell a read error (1) from a wrong command line (2).
inline constexpr int kExitOk = 0;
inline constexpr int kExitReadError = 1;
inline constexpr int kExitUsage = 2;

// A subcommand gets the arguments after its name and the folder of the executable.
using CommandFn = std::function<int(const QStringList& args, const QString& exeDir)>;

struct CommandRegistration {
    CommandRegistration(const char* name, const char* usage, CommandFn fn);
};

// Prints one message line to stderr (UTF-8).
void printError(const QString& message);
// Writes text to stdout as UTF-8.
void printOut(const QString& text);

// Takes "--home DIR" out of args and settles the program folder: DIR, else
// TARNBY_HOME, else the executable's folder when it holds Init.ini and may be
// written, else the user's own folder (made and filled on first use). Returns
// false (after printing the message) when --home lacks its value or no folder
// can be had.
bool takeHome(QStringList& args, const QString& exeDir, QString* home);

// The application object: a window-less GUI application for a command that
// paints (a PDF report), else a core one.
// The GUI application sees none of the command's arguments.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv);
// The arguments after the program name.
QStringList commandArguments(int argc, char** argv);

} // namespace tarnby::cli
