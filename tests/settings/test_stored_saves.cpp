// Every stored file's save first checks that the file is what was loaded:
// one changed by another program meanwhile is left alone until the user says
// to overwrite it.

#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "base/StoredFile.h"
#include "settings/ConfigFile.h"
#include "settings/DutyRoster.h"
#include "settings/Registration.h"
#include "settings/RestMarks.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace tarnby;

TEST(StoredSaves, ASaveMeetingAFileChangedSinceItWasLoadedIsAConflictAndOverwritesOnlyWhenTold)
{
    constexpr MonthKey kMarch{2026, 3};
    struct Row {
        const char* name;
        QString file; // in SrDate/
        std::optional<QByteArray> loaded;
        QByteArray changed; // what the other program wrote
        std::function<void(const QString&)> load;
        std::function<Outcome(const QString&)> save;
    };
    QFile shipped(testsupport::distPath(QStringLiteral("Init.ini")));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray init = shipped.readAll();
    const Row rows[] = {
        {"the roster of Init.ini", "../Init.ini", init, init + "\r\n", [](const QString& dir) { config::LoadRosterList(dir); },
         [](const QString& dir) { return config::SaveSettings(dir, ConfigSection::Roster, {{PickerEntry::fromText(QStringLiteral("0001 张三"))}, {}, {}, {}}); }},
        {"a month's registrations", "202603.ydj", "0001##03月02日##a##b##病假1天\r\n", "0002##03月05日##c##d##事假1天\r\n",
         [&](const QString& dir) { registrationfile::load(dir, kMarch); },
         [&](const QString& dir) { return registrationfile::save(dir, kMarch, {}); }},
        {"registrations of a month that had none", "202603.ydj", std::nullopt, "0002##03月05日##c##d##事假1天\r\n",
         [&](const QString& dir) { registrationfile::load(dir, kMarch); },
         [&](const QString& dir) { return registrationfile::save(dir, kMarch, {}); }},
        {"a duty roster", "202603.zra", "010001\r\n", "020002\r\n",
         [&](const QString& dir) { DutyRoster().LoadDutyRoster(dir, kMarch); },
         [&](const QString& dir) { return DutyRoster().SaveDutyRoster(dir, kMarch); }},
        {"rest days marked with a click", "202603.rest", "2026-03-07\r\n", "2026-03-08\r\n",
         [&](const QString& dir) { restmarks::readMonth(dir, kMarch); },
         [](const QString& dir) { return restmarks::saveMark(dir, QDate(2026, 3, 14), true); }},
    };
    for (const Row& row : rows) {
        testsupport::ProgramFolder folder;
        if (row.loaded)
            folder.write(row.file, *row.loaded);
        row.load(folder.path());
        folder.write(row.file, row.changed);
        const Outcome refused = row.save(folder.path());
        EXPECT_EQ(refused.kind, Outcome::Kind::Conflict) << row.name << ": " << refused.text.toStdString();
        EXPECT_EQ(refused.file, QDir::cleanPath(folder.srDate(row.file))) << row.name;
        EXPECT_EQ(folder.read(row.file), row.changed) << row.name;
        storedfile::takeAsLoaded(folder.srDate(row.file));
        EXPECT_TRUE(row.save(folder.path()).ok()) << row.name;
    }
}
