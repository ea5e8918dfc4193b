// The rest days of page 2 through the whole window: marks that outlive the
// window and a style change, the weekends-and-holidays marking, a save that
// fails, and the command line reading what the window saved.

#include "analysis/ui/AnalysisPage.h"
#include "analysis/ui/RestDayControls.h"
#include "base/TextFile.h"
#include "settings/RestDays.h"
#include "settings/RestMarks.h"
#include "shell/Form1.h"
#include "widgets/ClickLabel.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"
#include "support/Cli.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "support/Unprivileged.h"

#include <QComboBox>
#include <QDir>
#include <QTest>
#include <memory>
#include <tuple>

using namespace tarnby;
using namespace tarnby::ui;

namespace {

// "10.1 10.24", the form the expectations are written in.
QString text(const QList<QDate>& days)
{
    QStringList out;
    for (const QDate& d : days)
        out.append(d.toString(QStringLiteral("M.d")));
    return out.join(u' ');
}

// A program folder, Holidays.txt copied from a file, written from a text or
// missing when empty; the window on it as started on 20 November 2026, on
// page 2, so that the period runs from 16 October to 15 November.
struct Fixture {
    explicit Fixture(const QString& holidays = testsupport::distPath(QStringLiteral("Holidays.txt")))
    {
        if (QFileInfo(holidays).isFile())
            QFile::copy(holidays, dir.file(QStringLiteral("Holidays.txt")));
        else if (!holidays.isEmpty())
            textfile::writeUtf8Lines(dir.file(QStringLiteral("Holidays.txt")), holidays.split(u'\n'));
        setMessageHandler([this](QWidget*, const Message& m) {
            messages.append(m.title + u':' + m.text);
            return MessageAnswer::Ok;
        });
        open();
    }
    ~Fixture() { setMessageHandler({}); }
    void open()
    {
        window.reset();
        window = std::make_unique<Form1>(dir.path(), [] { return QDateTime(QDate(2026, 11, 20), QTime(9, 0)); });
        window->show();
        window->SwitchPage(2);
        page = window->analysisPage;
        messages.clear();
    }
    void show(int yyyymm, int style)
    {
        page->dCmb[4]->setCurrentText(QString::number(yyyymm / 100));
        page->dCmb[5]->setCurrentIndex(yyyymm % 100 - 1);
        press(page->cnLab[style - 1]);
    }
    static void press(QWidget* w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w, b, {}, QPoint(4, 4)); }
    ClickLabel* cell(const QDate& date) const
    {
        for (int i = 0; i < SettlementCalendar::kCellCount; ++i) {
            if (page->cLab[i]->isEnabled() && restdays::cellDate(page->calendar(), i) == date)
                return page->cLab[i];
        }
        qFatal("no cell for %s", qPrintable(date.toString()));
    }
    void click(int month, int day, Qt::MouseButton b = Qt::LeftButton) { press(cell(QDate(2026, month, day)), b); }
    // The days coloured as rest days; "≠" when the flags the analysis reads say otherwise.
    QString shown() const
    {
        QList<QDate> days;
        for (int i = 0; i < SettlementCalendar::kCellCount; ++i) {
            if (page->cLab[i]->background() == QColor(255, 192, 128))
                days.append(restdays::cellDate(page->calendar(), i));
        }
        return days == restdays::markedDays(page->calendar()) ? text(days) : QStringLiteral("≠");
    }
    QString saved(int yyyymm) const { return text(restmarks::readMonth(dir.path(), {yyyymm / 100, yyyymm % 100}).value()); }

    testsupport::WindowFolder dir;
    std::unique_ptr<Form1> window;
    AnalysisPage* page = nullptr;
    QStringList messages;
};

} // namespace

class TestRestDays : public QObject {
    Q_OBJECT
private slots:
    void marksOutliveTheWindowAndTheStyle()
    {
        Fixture f;
        for (const auto& [month, day, button] : {std::tuple{10, 24, Qt::LeftButton}, {11, 3, Qt::LeftButton},
                                                 {10, 17, Qt::LeftButton}, {10, 17, Qt::RightButton}})
            f.click(month, day, button);
        QCOMPARE(f.saved(202610), QStringLiteral("10.24"));
        f.press(f.page->cnLab[0]); // October alone
        QCOMPARE(f.shown(), QStringLiteral("10.24"));
        f.open();
        QCOMPARE(f.shown(), QStringLiteral("10.24 11.3"));
        QVERIFY(f.messages.isEmpty());
        // A file the user broke hides its own marks only, and is never overwritten.
        textfile::writeUtf8Lines(f.dir.file(QStringLiteral("SrDate/202611.rest")), {"2026-11-03", "2026-12-01"});
        f.press(f.page->cnLab[1]);
        f.click(11, 4);
        QCOMPARE(f.shown(), QStringLiteral("10.24"));
        QCOMPARE(textfile::readUtf8Lines(f.dir.file(QStringLiteral("SrDate/202611.rest"))).value().size(), 2);
        QCOMPARE(f.messages.filter(QStringLiteral("错误:")).size(), 2);
        QVERIFY(f.messages[0].contains(QStringLiteral("202611.rest 第2行")) && f.messages[1].contains(QStringLiteral("未保存")));
    }

    void oneClickMarking_data()
    {
        QTest::addColumn<QString>("holidays");
        QTest::addColumn<int>("month");
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("told");
        const QString shipped = testsupport::distPath(QStringLiteral("Holidays.txt"));
        QTest::newRow("National Day: the worked Saturday is unmarked, the user's Wednesday stays")
            << shipped << 202610 << QList<int>{10, 14}
            << "10.1 10.2 10.3 10.4 10.5 10.6 10.7 10.11 10.14 10.17 10.18 10.24 10.25 10.31" << QString();
        QTest::newRow("Spring Festival with two worked Saturdays") << shipped << 202602 << QList<int>{}
            << "2.1 2.7 2.8 2.15 2.16 2.17 2.18 2.19 2.20 2.21 2.22 2.23" << QString();
        QTest::newRow("a year the file does not list: weekends, and the user is told") << shipped << 202701
            << QList<int>{} << "1.2 1.3 1.9 1.10 1.16 1.17 1.23 1.24 1.30 1.31" << "没有2027年的安排";
        QTest::newRow("no Holidays.txt: nothing changes") << QString() << 202610 << QList<int>{14} << "10.14"
                                                         << "错误:找不到节假日文件";
        QTest::newRow("a bad line: nothing changes") << "# 公司\n2026-10-01 国庆节\n2026-10-32 坏日子" << 202610
                                                    << QList<int>{14} << "10.14" << "Holidays.txt 第3行";
    }
    void oneClickMarking()
    {
        QFETCH(QString, holidays);
        QFETCH(int, month);
        QFETCH(QList<int>, clicked);
        QFETCH(QString, marked);
        QFETCH(QString, told);
        Fixture f(holidays);
        f.show(month, 1);
        for (int day : clicked)
            f.click(month % 100, day);
        f.press(f.page->restDays()->markButton);
        QCOMPARE(f.shown(), marked);
        QCOMPARE(f.saved(month), marked);
        QVERIFY2(f.messages.join(u'|').contains(told) && f.messages.size() == int(!told.isEmpty()),
                 qPrintable(f.messages.join(u'|')));
        if (month == 202610 && told.isEmpty()) {
            QCOMPARE(f.cell(QDate(2026, 10, 1))->toolTip(), QStringLiteral("国庆节"));
            QCOMPARE(f.cell(QDate(2026, 10, 10))->toolTip(), QStringLiteral("调休上班"));
        }
        f.press(f.page->restDays()->clearButton);
        QCOMPARE(f.shown() + f.saved(month), QString());
    }

    void aSaveThatFailsLeavesTheScreenAsItWas()
    {
        Fixture f;
        f.show(202610, 1);
        f.click(10, 24);
        const QString srDate = f.dir.file(QStringLiteral("SrDate"));
        QFile::setPermissions(f.dir.path(), QFile::permissions(f.dir.path()) | QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(srDate, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        const bool kept = testsupport::asUnprivilegedUser([&] {
            f.click(10, 17);
            f.click(10, 24, Qt::RightButton);
            f.press(f.page->restDays()->markButton);
            return f.messages.size() == 3 && f.messages.filter(QStringLiteral("错误:")).size() == 3
                && f.messages.filter(QStringLiteral("202610.rest")).size() == 3 && f.shown() == QStringLiteral("10.24");
        });
        QFile::setPermissions(srDate, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(kept);
        QCOMPARE(f.saved(202610), QStringLiteral("10.24"));
    }

    void theCommandLineAnalysesWhatTheWindowMarked()
    {
        Fixture f(QStringLiteral("2026-11-11 公司庆典\n2026-11-14 上班"));
        f.show(202611, 1);
        f.press(f.page->restDays()->markButton);
        QCOMPARE(f.shown(), QStringLiteral("11.1 11.7 11.8 11.11 11.15 11.21 11.22 11.28 11.29"));
        auto analyse = [&](const QStringList& rest) {
            const testsupport::CliRun run =
                testsupport::runCli(QStringList{"analyse", "--home", f.dir.path(), "--folder", testsupport::sampleFolder(),
                                                "--year", "2026", "--month", "11", "--style", "1", "--employee", "0002"}
                                    + rest);
            return run.status == 0 ? run.out : QByteArray();
        };
        const QByteArray saved = analyse({"--rest-saved"}), none = analyse({});
        QVERIFY(saved.contains("\"stats\"") && none.contains("\"stats\""));
        QCOMPARE(saved, analyse({"--rest-auto"}));
        QVERIFY(saved != none);
    }
};

QTEST_MAIN(TestRestDays)
#include "test_restdays.moc"
