// Every public workbook from the wild is read or refused, never a crash or a
// hang, and every encrypted one is refused as password-protected. Skipped when
// the shared fixtures are absent.

#include "import/CellSource.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using tarnby::ReadError;

namespace {

const QString kFixtures = QStringLiteral(TARNBY_SHARED_DIR "/fixtures");

// The encrypted files as the fixtures' READMEs list them.
QSet<QString> encryptedNames()
{
    QSet<QString> names;
    static const QRegularExpression row(QStringLiteral("^\\| *([^| ]+) *\\|.*ENCRYPTED"));
    for (const char* folder : {"xls-wild", "xlsx-wild", "wild2"}) {
        QFile readme(QDir(kFixtures).filePath(QStringLiteral("%1/README.md").arg(QLatin1String(folder))));
        if (!readme.open(QIODevice::ReadOnly))
            continue;
        for (const QString& line : QString::fromUtf8(readme.readAll()).split(u'\n'))
            if (const auto m = row.match(line); m.hasMatch())
                names.insert(m.captured(1));
    }
    return names;
}

TEST(WildWorkbooks, EachIsReadOrRefusedAndEncryptedOnesAreRefused)
{
    if (!QDir(kFixtures).exists())
        GTEST_SKIP() << "no shared fixtures";
    const QSet<QString> encrypted = encryptedNames();
    int files = 0, read = 0, refused = 0, encryptedSeen = 0;
    for (const char* folder : {"xls-wild", "xlsx-wild", "wild2"}) {
        QDirIterator it(QDir(kFixtures).filePath(QLatin1String(folder)), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!tarnby::isExportName(path) || path.endsWith(QLatin1String(".csv")))
                continue;
            ++files;
            const auto result = tarnby::readExport(path, tarnby::configuredRequest({QStringLiteral("A1"), QStringLiteral("B1")}));
            result.ok() ? ++read : ++refused;
            const QString name = it.fileName();
            if (encrypted.contains(name) || path.contains(QLatin1String("/encrypted/"))) {
                ++encryptedSeen;
                EXPECT_EQ(result.error, ReadError::Encrypted) << path.toStdString() << ": " << result.detail.toStdString();
            }
        }
    }
    std::printf("%d workbooks: %d read, %d refused, %d of them encrypted\n", files, read, refused, encryptedSeen);
    EXPECT_GT(files, 1000);
    EXPECT_GE(encryptedSeen, 20);
}

} // namespace
