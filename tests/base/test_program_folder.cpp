#include "base/ProgramFolder.h"
#include "support/ProgramFolder.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tarnby;

namespace {

using testsupport::bytesOf;
using testsupport::writeBytes;

// GBK bytes and CR LF, as the shipped Init.ini has them: the copy must keep them.
const QByteArray kDefaultInit("[\xcf\xb5\xcd\xb3]\r\nA=1\r\n");
const QByteArray kDefaultHolidays("2026-01-01 \xe5\x85\x83\xe6\x97\xa6\r\n");

// Every candidate as a folder of one scratch tree, open to all so that an
// unprivileged child can look into it.
struct Scene {
    QTemporaryDir root;
    QString path(const char* name) const { return QDir(root.path()).filePath(QString::fromUtf8(name)); }

    Scene()
    {
        ::chmod(QFile::encodeName(root.path()).constData(), 0777);
        for (const char* name : {"option", "env", "exe", "defaults", "defaults/Source"})
            QDir().mkpath(path(name));
        writeBytes(path("defaults/Init.ini"), kDefaultInit);
        writeBytes(path("defaults/Holidays.txt"), kDefaultHolidays);
        writeBytes(path("defaults/Source/1.xls"), "sample");
    }

    ProgramFolderPlaces places() const
    {
        return {path("option"), path("env"), path("exe"), path("home/.local/share/tarnby"), path("defaults")};
    }
};

} // namespace

// Which candidate wins, one scene per row.
TEST(ProgramFolder, ResolutionOrder)
{
    struct Row {
        const char* name;
        bool option;
        bool environment;
        bool exeHasInit;
        ProgramFolderOrigin origin;
        const char* folder;
    };
    const Row rows[] = {
        {"--home wins over everything", true, true, true, ProgramFolderOrigin::Option, "option"},
        {"TARNBY_HOME wins over the executable's folder", false, true, true, ProgramFolderOrigin::Environment, "env"},
        {"beside the executable when Init.ini is there", false, false, true, ProgramFolderOrigin::Executable, "exe"},
        {"the user's folder when the executable's lacks Init.ini", false, false, false, ProgramFolderOrigin::User,
         "home/.local/share/tarnby"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        if (row.exeHasInit) {
            ASSERT_TRUE(writeBytes(scene.path("exe/Init.ini"), "[x]\r\n"));
        }
        ProgramFolderPlaces places = scene.places();
        if (!row.option)
            places.option.clear();
        if (!row.environment)
            places.environment.clear();
        const Result<ProgramFolder> got = resolveProgramFolder(places);
        ASSERT_TRUE(got.ok()) << got.error().toStdString();
        EXPECT_EQ(got->origin, row.origin);
        EXPECT_EQ(got->path, scene.path(row.folder));
        // Only the user's folder is ever made.
        EXPECT_EQ(QFileInfo::exists(scene.path("home")), row.origin == ProgramFolderOrigin::User);
    }
}

// A folder the user names is never made, and the order does not fall through
// past it: --home is taken as it is (a command that needs nothing from it, like
// importing an empty folder, still runs), a missing TARNBY_HOME is an error.
TEST(ProgramFolder, NamedFolderThatIsMissing)
{
    struct Row { const char* name; bool option; bool ok; };
    const Row rows[] = {
        {"--home is taken as it is", true, true},
        {"TARNBY_HOME must exist", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        ASSERT_TRUE(writeBytes(scene.path("exe/Init.ini"), "[x]\r\n"));
        ProgramFolderPlaces places = scene.places();
        (row.option ? places.option : places.environment) = scene.path("typo");
        if (!row.option)
            places.option.clear();
        const Result<ProgramFolder> got = resolveProgramFolder(places);
        ASSERT_EQ(got.ok(), row.ok);
        if (got.ok()) {
            EXPECT_EQ(got->path, scene.path("typo"));
            EXPECT_EQ(got->origin, ProgramFolderOrigin::Option);
        } else {
            EXPECT_TRUE(got.error().contains(scene.path("typo"))) << got.error().toStdString();
            EXPECT_TRUE(got.error().contains(QStringLiteral("TARNBY_HOME"))) << got.error().toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(scene.path("typo")));
        EXPECT_FALSE(QFileInfo::exists(scene.path("home")));
    }
}

// An installed program's folder (it has Init.ini only in a stray case, and
// is never writable for the user) is passed over for the user's own.
TEST(ProgramFolder, ReadOnlyExecutableFolderIsPassedOver)
{
    Scene scene;
    ASSERT_TRUE(writeBytes(scene.path("exe/Init.ini"), "[x]\r\n"));
    ::chmod(QFile::encodeName(scene.path("exe/Init.ini")).constData(), 0644);
    ::chmod(QFile::encodeName(scene.path("exe")).constData(), 0555);
    ProgramFolderPlaces places = scene.places();
    places.option.clear();
    places.environment.clear();
    const bool usedUserFolder = testsupport::asUnprivilegedUser([&] {
        const Result<ProgramFolder> got = resolveProgramFolder(places);
        return got.ok() && got->origin == ProgramFolderOrigin::User && got->path == places.userDir
            && bytesOf(QDir(places.userDir).filePath("Init.ini")) == kDefaultInit;
    });
    ::chmod(QFile::encodeName(scene.path("exe")).constData(), 0755);
    EXPECT_TRUE(usedUserFolder);
}

TEST(ProgramFolder, FirstStartFillsTheUserFolderFromTheDefaults)
{
    Scene scene;
    ProgramFolderPlaces places = scene.places();
    places.option.clear();
    places.environment.clear();
    const Result<ProgramFolder> got = resolveProgramFolder(places);
    ASSERT_TRUE(got.ok()) << got.error().toStdString();
    const QDir user(places.userDir);
    EXPECT_EQ(bytesOf(user.filePath("Init.ini")), kDefaultInit);
    EXPECT_EQ(bytesOf(user.filePath("Holidays.txt")), kDefaultHolidays);
    EXPECT_TRUE(QFileInfo(user.filePath("SrDate")).isDir());
    EXPECT_TRUE(QDir(user.filePath("SrDate")).isEmpty());
    // The sample stays where it was installed.
    EXPECT_FALSE(QFileInfo::exists(user.filePath("Source")));
    EXPECT_TRUE(QFileInfo(user.filePath("Init.ini")).isWritable());
    // The defaults are only read.
    EXPECT_EQ(QDir(scene.path("defaults")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"Holidays.txt", "Init.ini", "Source"}));
}

// Later starts add only what is missing: the user's own files are kept.
TEST(ProgramFolder, LaterStartsKeepTheUsersFilesAndAddWhatIsMissing)
{
    struct Row {
        const char* name;
        const char* existing;      // a file the user already has, with own content
        const char* removed;       // a piece missing from the user's folder
    };
    const Row rows[] = {
        {"changed settings survive, a deleted holiday file comes back", "Init.ini", "Holidays.txt"},
        {"own holidays survive, a deleted Init.ini comes back", "Holidays.txt", "Init.ini"},
        {"a deleted SrDate comes back empty", "Init.ini", "SrDate"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        ProgramFolderPlaces places = scene.places();
        places.option.clear();
        places.environment.clear();
        ASSERT_TRUE(resolveProgramFolder(places).ok());
        const QDir user(places.userDir);
        const QString removed = user.filePath(QString::fromUtf8(row.removed));
        ASSERT_TRUE(QFileInfo(removed).isDir() ? QDir(removed).removeRecursively() : QFile::remove(removed));
        ASSERT_TRUE(writeBytes(user.filePath(QString::fromUtf8(row.existing)), "mine\r\n"));

        ASSERT_TRUE(resolveProgramFolder(places).ok());
        EXPECT_EQ(bytesOf(user.filePath(QString::fromUtf8(row.existing))), QByteArray("mine\r\n"));
        EXPECT_TRUE(QFileInfo::exists(removed));
    }
}

// A folder that cannot be made or filled is a message, and nothing half made.
TEST(ProgramFolder, FillingFailuresAreErrors)
{
    struct Row {
        const char* name;
        std::function<void(Scene&, ProgramFolderPlaces&)> arrange;
        const char* named; // the path the message must name
        bool userFolderLeft;
    };
    const Row rows[] = {
        {"no default Init.ini: the installation is broken",
         [](Scene& s, ProgramFolderPlaces&) { QFile::remove(s.path("defaults/Init.ini")); },
         "defaults/Init.ini", false},
        {"the user's folder cannot be made",
         [](Scene& s, ProgramFolderPlaces& p) {
             writeBytes(s.path("blocked"), "a file");
             p.userDir = s.path("blocked/tarnby");
         },
         "blocked/tarnby", false},
        {"SrDate is taken by a file",
         [](Scene& s, ProgramFolderPlaces& p) {
             QDir().mkpath(p.userDir);
             writeBytes(QDir(p.userDir).filePath("SrDate"), "not a folder");
             (void)s;
         },
         "home/.local/share/tarnby/SrDate", true},
        {"no user folder at all",
         [](Scene&, ProgramFolderPlaces& p) { p.userDir.clear(); }, "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        ProgramFolderPlaces places = scene.places();
        places.option.clear();
        places.environment.clear();
        row.arrange(scene, places);
        const Result<ProgramFolder> got = resolveProgramFolder(places);
        ASSERT_FALSE(got.ok());
        EXPECT_FALSE(got.error().isEmpty());
        const QString named = *row.named ? scene.path(row.named) : QStringLiteral("TARNBY_HOME");
        EXPECT_TRUE(got.error().contains(named)) << got.error().toStdString();
        EXPECT_EQ(QFileInfo::exists(scene.path("home")), row.userFolderLeft);
    }
}

TEST(ProgramFolder, PlacesOfThisProcess)
{
    QTemporaryDir dir;
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    qputenv("TARNBY_HOME", "relative/env");
    const ProgramFolderPlaces places = programFolderPlaces(QStringLiteral("/opt/x/bin"), QStringLiteral("rel"));
    qunsetenv("TARNBY_HOME");
    const ProgramFolderPlaces unset = programFolderPlaces(QStringLiteral("/opt/x/bin"));
    QDir::setCurrent(cwd);

    EXPECT_EQ(places.option, QDir(dir.path()).filePath("rel"));
    EXPECT_EQ(places.environment, QDir(dir.path()).filePath("relative/env"));
    EXPECT_EQ(places.executableDir, QStringLiteral("/opt/x/bin"));
    EXPECT_TRUE(places.userDir.endsWith(QStringLiteral("/tarnby"))) << places.userDir.toStdString();
    EXPECT_EQ(places.defaultsDir, QStringLiteral("/opt/x/share/tarnby"));
    EXPECT_TRUE(unset.environment.isEmpty());
    EXPECT_TRUE(unset.option.isEmpty());
}
