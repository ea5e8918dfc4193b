// Where the window finds the date picker, and the program-folder line of page 4.

#include "shell/InfoPage.h"
#include "shell/LundarHost.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using tarnby::ui::InfoPage;
using tarnby::ui::LundarHost;

class TestLundarHost : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { LundarHost::setSearchFolders({}); }
    void searchOrder_data();
    void searchOrder();
    void installedOrderStartsBesideTheExecutable();
    void programFolderLine_data();
    void programFolderLine();
};

// Folders by letter: e = empty, p = holds the built plugin, m = missing.
void TestLundarHost::searchOrder_data()
{
    QTest::addColumn<QString>("folders");
    QTest::addColumn<bool>("found");
    QTest::newRow("beside the executable") << "p" << true;
    QTest::newRow("an empty first folder falls through to the next") << "ep" << true;
    QTest::newRow("a missing first folder falls through to the next") << "mp" << true;
    QTest::newRow("none holds it") << "em" << false;
    QTest::newRow("nothing set: the program folder's plugins/") << "" << true;
}

void TestLundarHost::searchOrder()
{
    QFETCH(QString, folders);
    QFETCH(bool, found);
    const QString built = testsupport::builtPlugins();
    QTemporaryDir scratch;
    QStringList paths;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString path = scratch.filePath(QString::number(i));
        if (folders[i] == QLatin1Char('e'))
            QVERIFY(QDir().mkpath(path));
        else if (folders[i] == QLatin1Char('p'))
            QVERIFY(QFile::link(built, path));
        paths.append(path);
    }
    LundarHost::setSearchFolders(paths);
    // The program folder holds the plugin too: it counts only when nothing is set.
    testsupport::WindowFolder programFolder(folders.isEmpty());
    LundarHost host(programFolder.path());
    QWidget parent;
    QWidget* control = host.create(&parent);
    QCOMPARE(control != nullptr, found);
    QCOMPARE(host.isAvailable(), found);
    if (!found) {
        for (const QString& path : paths)
            QVERIFY2(host.problem().contains(QDir::toNativeSeparators(path)), qPrintable(host.problem()));
    }
}

void TestLundarHost::installedOrderStartsBesideTheExecutable()
{
    const QStringList folders = LundarHost::installedSearchFolders();
    QCOMPARE(folders.size(), 2);
    QCOMPARE(folders[0], QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("plugins")));
    QVERIFY(QDir::isAbsolutePath(folders[1]));
    QVERIFY2(folders[1].endsWith(QStringLiteral("/tarnby/plugins")), qPrintable(folders[1]));
}

void TestLundarHost::programFolderLine_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("whole");
    QTest::newRow("a short path is shown whole")
        << QStringLiteral("程序文件夹：/home/clerk/.local/share/tarnby（用户的数据文件夹）") << true;
    QTest::newRow("a long path is shortened, the tip holds it")
        << QStringLiteral("程序文件夹：/%1/tarnby（由环境变量 TARNBY_HOME 指定）").arg(QString(300, QLatin1Char('x')))
        << false;
}

void TestLundarHost::programFolderLine()
{
    QFETCH(QString, description);
    QFETCH(bool, whole);
    InfoPage page;
    QVERIFY(page.findChild<QLabel*>(QStringLiteral("qHome")) == nullptr);
    page.showProgramFolder(QStringLiteral("程序文件夹：/elsewhere（程序所在的文件夹）"));
    page.showProgramFolder(description);
    QCOMPARE(page.findChildren<QLabel*>(QStringLiteral("qHome")).size(), 1);
    QVERIFY(page.qHome->geometry().bottom() < page.height());
    if (whole) {
        QCOMPARE(page.qHome->text(), description);
        QVERIFY(page.qHome->toolTip().isEmpty());
    } else {
        QVERIFY(page.qHome->text() != description);
        QVERIFY(page.qHome->text().startsWith(QStringLiteral("程序文件夹：")));
        QCOMPARE(page.qHome->toolTip(), description);
    }
}

QTEST_MAIN(TestLundarHost)
#include "test_lundar_host.moc"
