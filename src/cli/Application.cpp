// The application object of tarnby-cli. Painting a PDF needs Qt's GUI
// application for its fonts, which the PDF module makes; every other command
// keeps the lighter core one and never loads the GUI libraries. The command
// line never shows a window, so the GUI runs on the off-screen platform
// whatever the environment says.

#include "Command.h"
#include "PdfLoader.h"

#include <QCoreApplication>
#include <cstring>

namespace tarnby::cli {
namespace {

bool paints(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "report") != 0)
        return false;
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--output") != 0)
            continue;
        const QString output = QString::fromLocal8Bit(argv[i + 1]);
        if (output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Qt's own chatter (a missing XDG_RUNTIME_DIR, font substitutions) is no
// message for the user: a command prints nothing on success.
QtMessageHandler qtDefaultHandler = nullptr;

void quietQt(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qtDefaultHandler)
        qtDefaultHandler(type, context, message);
}

} // namespace

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    if (paints(argc, argv)) {
        static int guiArgc = 1;
        static char* guiArgv[] = {argv[0], nullptr};
        // Only an application object names the executable's folder, where the
        // module is looked for; the one painting needs comes from the module.
        QString exeDir;
        {
            const QCoreApplication probe(guiArgc, guiArgv);
            exeDir = QCoreApplication::applicationDirPath();
        }
        // Without the module the command says why when it comes to write.
        if (const report::PdfModule* pdf = loadPdfModule(exeDir).module) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qtDefaultHandler = qInstallMessageHandler(quietQt);
            return std::unique_ptr<QCoreApplication>(pdf->makeApplication(guiArgc, guiArgv));
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

QStringList commandArguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

} // namespace tarnby::cli
