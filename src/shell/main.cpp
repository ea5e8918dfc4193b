#include "Form1.h"
#include "InfoPage.h"
#include "LanguageChoice.h"
#include "LundarHost.h"
#include "base/Language.h"
#include "base/ProgramFolder.h"
#include "widgets/MessageSeam.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarnby::ui::setUpApplication();
    // The language of a message about the program folder itself cannot wait for
    // the choice kept in that folder.
    const QStringList translations = tarnby::translationFolders(QCoreApplication::applicationDirPath());
    tarnby::useLanguage(tarnby::startLanguage(), translations);

    // The program folder (Init.ini, SrDate/, Skin/, Source/, Tools/): TARNBY_HOME,
    // else beside the executable, else the user's own folder, filled on first start.
    const tarnby::Result<tarnby::ProgramFolder> home =
        tarnby::resolveProgramFolder(tarnby::programFolderPlaces(QCoreApplication::applicationDirPath()));
    if (!home) {
        tarnby::ui::showOutcome(nullptr, home.outcome());
        return 2;
    }
    tarnby::useLanguage(tarnby::startLanguage(tarnby::ui::storedLanguageChoice(home->path)), translations);
    tarnby::ui::LundarHost::setSearchFolders(tarnby::ui::LundarHost::installedSearchFolders());
    tarnby::ui::Form1 window(home->path);
    window.infoPage->showProgramFolder(tarnby::describeProgramFolder(*home));
    window.infoPage->offerLanguages(home->path);
    window.show();
    return app.exec();
}
