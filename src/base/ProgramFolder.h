#pragma once
// Which folder the program keeps its files in (Init.ini, Holidays.txt, SrDate/,
// Skin/, Source/, Tools/). Both programs ask here once at start and hand the
// answer to everything else, so the rest of the code never looks for it.
//
// The order: a folder the user names (tarnby-cli --home, then TARNBY_HOME);
// else the executable's own folder when it holds Init.ini and may be written
// (the portable layout, and the build tree); else the user's own data folder,
// which an installed program fills from its shipped defaults on first start.
// An installed program's folders (/usr/bin, /usr/share/tarnby) are only read.

#include "base/Outcome.h"

#include <QString>

namespace tarnby {

enum class ProgramFolderOrigin {
    Option,      // --home DIR
    Environment, // TARNBY_HOME
    Executable,  // beside the executable
    User,        // the user's data folder, filled from the defaults
};

// The candidates, gathered by programFolderPlaces() for this process; tests
// fill them with temporary folders. An empty entry is no candidate.
struct ProgramFolderPlaces {
    QString option;        // the value of --home
    QString environment;   // the value of TARNBY_HOME
    QString executableDir; // the folder of the running executable
    QString userDir;       // the user's data folder for the program
    QString defaultsDir;   // the installed defaults the user's folder is filled from
};

struct ProgramFolder {
    QString path; // absolute, without a trailing separator
    ProgramFolderOrigin origin = ProgramFolderOrigin::Executable;
};

// Picks the program folder. A named folder is never created; the option is
// taken as it is, the environment's folder must exist. The user's folder is created when missing, and any
// of Init.ini, Holidays.txt and SrDate/ it lacks is copied or made from the
// defaults (an existing file is never replaced). The error texts are for the
// user ("错误").
Result<ProgramFolder> resolveProgramFolder(const ProgramFolderPlaces& places);

// The candidates of this process: TARNBY_HOME, the given executable folder, the
// user's data folder (~/.local/share/tarnby: what Qt's AppDataLocation names for
// the program "tarnby", whatever name the application object carries) and the
// installed defaults (share/tarnby of the executable's prefix: /usr/share/tarnby
// for /usr/bin). A relative option is taken from the current folder.
ProgramFolderPlaces programFolderPlaces(const QString& executableDir, const QString& option = {});

// The folder and where it came from, for the window's information page.
QString describeProgramFolder(const ProgramFolder& folder);

} // namespace tarnby
