// The rest days of page 2 through the whole window: marks that outlive the
// window and a style change, the weekends-and-holidays marking, a save that
// fails, and the command line reading what the window saved.

#include "../../settings/Unprivileged.h"
#include "analysis/ui/AnalysisPage.h"
#include "analysis/ui/RestDayControls.h"
#include "base/TextFile.h"
#include "settings/RestDays.h"
#include "shell/Form1.h"
#include "widgets/ClickLabel.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace tarnby::ui;
using Days = QList<QDate>;

namespace {

const QColor kRest(255, 192, 128);

struct Fixture {
    explicit Fixture(const QStringList& holidays = {QStringLiteral(TARNBY_DIST_DIR "/Holidays.txt")})
    {
        QDir root(dir.path());
        root.mkdir(QStringLiteral("SrDate"));
        QFile::link(QStringLiteral(TARNBY_PROGRAM_DIR "/plugins"), root.filePath(QStringLiteral("plugins")));
        QFile::copy(QStringLiteral(TARNBY_DIST_DIR "/Init.ini"), root.filePath(QStringLiteral("Init.ini")));
        QStringList lines; // each entry a file to take whole, or a line of its own
        for (const QString& h : holidays)
            lines += QFileInfo(h).isFile() ? tarnby::textfile::readUtf8Lines(h).value() : QStringList{h};
        if (!holidays.isEmpty())
            tarnby::textfile::writeUtf8Lines(root.filePath(QStringLiteral("Holidays.txt")), lines);
        setMessageHandler([this](QWidget*, const Message& m) {
            messages.append(m);
            return MessageAnswer::Ok;
        });
        open();
    }
    ~Fixture() { setMessageHandler({}); }
    // The window as the user starts it on 20 November 2026, on page 2.
    void open()
    {
        window.reset(); // the old window first: one program at a time
        window = std::make_unique<Form1>(dir.path(), [] { return QDateTime(QDate(2026, 11, 20), QTime(9, 0)); });
        window->show();
        window->SwitchPage(2);
        page = window->analysisPage;
        messages.clear();
    }
    void show(int year, int month, int style)
    {
        page->dCmb[4]->setCurrentText(QString::number(year));
        page->dCmb[5]->setCurrentIndex(month - 1);
        QTest::mouseClick(page->cnLab[style - 1], Qt::LeftButton, {}, QPoint(4, 4));
    }
    ClickLabel* cell(const QDate& date) const
    {
        for (int i = 0; i < 84; ++i) {
            if (page->cLab[i]->isEnabled() && tarnby::restdays::cellDate(page->calendar(), i) == date)
                return page->cLab[i];
        }
        qFatal("no cell for %s", qPrintable(date.toString()));
    }
    void click(const QDate& date, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(cell(date), b, {}, QPoint(4, 4)); }
    // The days coloured as rest days, checked against the flags the analysis reads.
    Days shown() const
    {
        Days days;
        for (int i = 0; i < 84; ++i) {
            if (page->cLab[i]->background() == kRest)
                days.append(tarnby::restdays::cellDate(page->calendar(), i));
        }
        std::sort(days.begin(), days.end());
        return days == tarnby::restdays::markedDays(page->calendar()) ? days : Days{QDate()};
    }
    QStringList saved(const QString& month) const
    {
        auto lines = tarnby::textfile::readUtf8Lines(dir.filePath(QStringLiteral("SrDate/%1.rest").arg(month)));
        return lines ? lines.value() : QStringList();
    }

    QTemporaryDir dir;
    std::unique_ptr<Form1> window;
    AnalysisPage* page = nullptr;
    QList<Message> messages;
};

Days range(const QDate& from, int days)
{
    Days out;
    for (int i = 0; i < days; ++i)
        out.append(from.addDays(i));
    return out;
}

} // namespace

class TestRestDays : public QObject {
    Q_OBJECT
private slots:
    void marksSurviveARestartAndAStyleChange()
    {
        Fixture f; // the period runs from 16 October to 15 November
        const QDate oct24(2026, 10, 24), nov3(2026, 11, 3), oct17(2026, 10, 17);
        f.click(oct24);
        f.click(nov3);
        f.click(oct17);
        f.click(oct17, Qt::RightButton);
        QCOMPARE(f.shown(), (Days{oct24, nov3}));
        QCOMPARE(f.saved(QStringLiteral("202610")), QStringList{"2026-10-24"});
        QTest::mouseClick(f.page->cnLab[0], Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(f.shown(), Days{oct24});
        f.open();
        QCOMPARE(f.shown(), (Days{oct24, nov3}));
        f.click(nov3, Qt::RightButton);
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("SrDate/202611.rest"))));
        QCOMPARE(f.messages.size(), 0);
    }

    void oneClickMarking_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<Days>("before");
        QTest::addColumn<Days>("after");
        QTest::addColumn<int>("warnings");
        const QDate oct(2026, 10, 1), feb(2026, 2, 1), jan(2027, 1, 1);
        QTest::newRow("National Day: Saturday the 10th is worked, the user's Wednesday stays")
            << 202610 << Days{oct.addDays(9), oct.addDays(13)}
            << range(oct, 7) + Days{oct.addDays(10), oct.addDays(13), oct.addDays(16), oct.addDays(17), oct.addDays(23),
                                    oct.addDays(24), oct.addDays(30)}
            << 0;
        QTest::newRow("Spring Festival with two worked Saturdays")
            << 202602 << Days{} << Days{feb, feb.addDays(6), feb.addDays(7)} + range(feb.addDays(14), 9) << 0;
        QTest::newRow("a year the file does not list: weekends only, and the user is told")
            << 202701 << Days{}
            << Days{jan.addDays(1), jan.addDays(2), jan.addDays(8), jan.addDays(9), jan.addDays(15), jan.addDays(16),
                    jan.addDays(22), jan.addDays(23), jan.addDays(29), jan.addDays(30)}
            << 1;
    }
    void oneClickMarking()
    {
        QFETCH(int, month);
        QFETCH(Days, before);
        QFETCH(Days, after);
        QFETCH(int, warnings);
        Fixture f;
        f.show(month / 100, month % 100, 1);
        for (const QDate& d : before)
            f.click(d);
        QTest::mouseClick(f.page->restDays()->markButton, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(f.shown(), after);
        QStringList lines;
        for (const QDate& d : after)
            lines.append(d.toString(Qt::ISODate));
        QCOMPARE(f.saved(QString::number(month)), lines);
        QCOMPARE(f.messages.size(), warnings);
        if (month == 202610) {
            QCOMPARE(f.cell(QDate(2026, 10, 1))->toolTip(), QStringLiteral("国庆节"));
            QCOMPARE(f.cell(QDate(2026, 10, 10))->toolTip(), QStringLiteral("调休上班"));
        }
        f.open();
        f.show(month / 100, month % 100, 1);
        QCOMPARE(f.shown(), after);
        QTest::mouseClick(f.page->restDays()->clearButton, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(f.shown(), Days{});
        QVERIFY(f.saved(QString::number(month)).isEmpty());
    }

    void aHolidayFileThatCannotBeUsedChangesNoMark_data()
    {
        QTest::addColumn<QStringList>("holidays");
        QTest::addColumn<QString>("told");
        QTest::newRow("missing") << QStringList{} << QStringLiteral("找不到节假日文件");
        QTest::newRow("a bad third line") << QStringList{"# 公司", "2026-10-01 国庆节", "2026-10-32 坏日子"}
                                          << QStringLiteral("第3行");
    }
    void aHolidayFileThatCannotBeUsedChangesNoMark()
    {
        QFETCH(QStringList, holidays);
        QFETCH(QString, told);
        Fixture f(holidays);
        f.show(2026, 10, 1);
        f.click(QDate(2026, 10, 14));
        QTest::mouseClick(f.page->restDays()->markButton, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(f.shown(), Days{QDate(2026, 10, 14)});
        QCOMPARE(f.saved(QStringLiteral("202610")), QStringList{"2026-10-14"});
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].title, QStringLiteral("错误"));
        QVERIFY(f.messages[0].text.contains(told) && f.messages[0].text.contains(QStringLiteral("Holidays.txt")));
    }

    void aSaveThatFailsLeavesTheScreenAsItWas()
    {
        Fixture f;
        f.show(2026, 10, 1);
        f.click(QDate(2026, 10, 24));
        QFile::setPermissions(f.dir.path(), QFile::permissions(f.dir.path()) | QFile::ReadOther | QFile::ExeOther);
        const QString srDate = f.dir.filePath(QStringLiteral("SrDate"));
        QFile::setPermissions(srDate, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        const bool kept = testsupport::asUnprivilegedUser([&] {
            f.click(QDate(2026, 10, 17));
            f.click(QDate(2026, 10, 24), Qt::RightButton);
            QTest::mouseClick(f.page->restDays()->markButton, Qt::LeftButton, {}, QPoint(4, 4));
            bool named = f.messages.size() == 3;
            for (const Message& m : f.messages)
                named = named && m.title == QStringLiteral("错误") && m.text.contains(QStringLiteral("202610.rest"));
            return named && f.shown() == Days{QDate(2026, 10, 24)};
        });
        QFile::setPermissions(srDate, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(kept);
        QCOMPARE(f.saved(QStringLiteral("202610")), QStringList{"2026-10-24"});
    }

    void theCommandLineAnalysesWhatTheWindowMarked()
    {
        const QString cli = QStringLiteral(TARNBY_CLI), source = QStringLiteral(TARNBY_DIST_DIR "/Source");
        if (!QFileInfo(cli).isExecutable() || !QFileInfo(source).isDir())
            QSKIP("needs tarnby-cli and the sample workbooks");
        Fixture f({QStringLiteral(TARNBY_DIST_DIR "/Holidays.txt"), "2026-11-11 公司庆典", "2026-11-14 上班"});
        f.show(2026, 11, 1);
        QTest::mouseClick(f.page->restDays()->markButton, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(f.shown().contains(QDate(2026, 11, 11)) && !f.shown().contains(QDate(2026, 11, 14)));
        auto analyse = [&](const QString& rest) {
            QProcess p;
            QStringList args{"analyse", "--home", f.dir.path(), "--folder", source, "--year", "2026", "--month", "11",
                             "--style", "1", "--employee", "0002"};
            p.start(cli, rest.isEmpty() ? args : args << rest);
            return p.waitForFinished(60000) && p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
        };
        const QByteArray saved = analyse(QStringLiteral("--rest-saved"));
        QVERIFY(!saved.isEmpty());
        QCOMPARE(saved, analyse(QStringLiteral("--rest-auto")));
        QVERIFY(saved != analyse(QString()));
    }
};

QTEST_MAIN(TestRestDays)
#include "test_restdays.moc"
