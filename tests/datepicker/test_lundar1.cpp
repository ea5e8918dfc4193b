// The Lundar1 control as a user and a container see it: its grid, strips,
// timer, resizing, clicks, painting, properties, persistence and queries.

#include "datepicker/ColorTranslation.h"
#include "datepicker/Lundar1.h"
#include "datepicker/MonthGrid.h"
#include "datepicker/PropertyBag.h"
#include "lunar/Lunar.h"
#include "support/TestPaths.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QTranslator>
#include <QMap>
#include <QMetaProperty>
#include <QWindow>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <set>

using namespace lundar;

namespace {

QDateTime at(int y, int m, int d, int hour = 0)
{
    return QDateTime(QDate(y, m, d), QTime(hour, 0));
}

const QPoint kBackButton(7, 10);
const QPoint kForwardButton(44, 10);

// The container the control sits in, as in the host's window.
struct Hosted {
    QWidget window;
    Lundar1* control;
    Hosted() : control(new Lundar1(&window))
    {
        window.resize(400, 300);
        window.show();
    }
    QWidget* strip(const char* name) const { return control->findChild<QWidget*>(QLatin1String(name)); }
    QTimer* timer() const { return control->findChild<QTimer*>(QStringLiteral("repeatTimer")); }
    QComboBox* list(const char* name) const { return control->findChild<QComboBox*>(QLatin1String(name)); }
    void tick() const { QVERIFY(QMetaObject::invokeMethod(timer(), "timeout")); }
    QImage image() const { return control->grab().toImage(); }
};

} // namespace

class TestLundar1 : public QObject {
    Q_OBJECT

private slots:
    void init() { Lundar1::setTodayFunction([] { return QDate(2026, 12, 9); }); }
    void cleanup() { Lundar1::setTodayFunction({}); }

    void monthGridPlacesDays_data();
    void monthGridPlacesDays();
    void cellAndDayMappingsAreInverse();
    void snapWidth_data();
    void snapWidth();
    void resizeSnapsWidthAndHeight_data();
    void resizeSnapsWidthAndHeight();

    void freshInstanceShowsTodayWithDefaults();
    void valueSelectsListEntriesAndLabels();
    void valueOfSameMonthKeepsTimeOtherMonthDropsIt();
    void setterNotifiesItsKey_data();
    void setterNotifiesItsKey();
    void valueChangedFollowsEveryChange_data();
    void valueChangedFollowsEveryChange();
    void setterRepaintsItsArea_data();
    void setterRepaintsItsArea();
    void bigSwitchesWeekdayNamesAndBack();
    void selectedCellIsPaintedInSelectColor();

    void monthBackClampsTheDay();
    void heldMonthForwardCrossesYearEnd();
    void pressShorterThanIntervalMakesNoStep();
    void rangeEndStopsTimerAtFirstTick_data();
    void rangeEndStopsTimerAtFirstTick();
    void yearStepClampsLeapDay();

    void labelOrDropButtonDropsItsList_data();
    void labelOrDropButtonDropsItsList();
    void dayPickRaisesClickOnce();
    void keysMoveThePickedDay_data();
    void keysMoveThePickedDay();
    void clickRaisesNoEvent_data();
    void clickRaisesNoEvent();
    void clickFollowsItsPick_data();
    void clickFollowsItsPick();

    void bottomBarOfFebruary2013();
    void valueOutsideCalendarPaintsAndAnswersSafely();

    void bagStoresNothingForDefaults();
    void bagRoundTripsChangedProperties();
    void bagFallsBackOnUnreadableEntries_data();
    void bagFallsBackOnUnreadableEntries();
    void everyLunarNameHasATraditionalTranslation();

    void queries_data();
    void queries();

    void colorTranslation_data();
    void colorTranslation();

    void textsFollowTheLoadedLanguage_data();
    void textsFollowTheLoadedLanguage();
};

void TestLundar1::monthGridPlacesDays_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("lastCell");
    QTest::newRow("Feb 2015 starts on Sunday and fills cells 0-27 exactly") << 2015 << 2 << 0 << 27;
    QTest::newRow("Aug 2015 starts on Saturday and ends in cell 36") << 2015 << 8 << 6 << 36;
    QTest::newRow("Feb 2013 starts on Friday") << 2013 << 2 << 5 << 32;
    QTest::newRow("Feb 2000 is a leap February") << 2000 << 2 << 2 << 30;
    QTest::newRow("Jan 1901, first month of the list") << 1901 << 1 << 2 << 32;
    QTest::newRow("Dec 2100, last month of the list") << 2100 << 12 << 3 << 33;
}

void TestLundar1::monthGridPlacesDays()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, firstCell);
    QFETCH(int, lastCell);
    Lundar1 control;
    control.setValue(at(year, month, 1));
    const DayCells& cells = control.dayCells();
    for (int i = 0; i < kCellCount; ++i) {
        const int expected = (i >= firstCell && i <= lastCell) ? i - firstCell + 1 : 0;
        QCOMPARE(cells[std::size_t(i)], expected);
    }
    QCOMPARE(control.selectedCell(), firstCell);
}

void TestLundar1::cellAndDayMappingsAreInverse()
{
    for (int year = kFirstListYear; year <= kLastListYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const DayCells cells = fillDayGrid(year, month);
            int filled = 0;
            for (int i = 0; i < kCellCount; ++i) {
                const int day = dayOfCell(year, month, i);
                QCOMPARE(cells[std::size_t(i)], day);
                if (day != 0) {
                    ++filled;
                    QCOMPARE(cellOfDay(year, month, day), i);
                }
            }
            QCOMPARE(filled, QDate(year, month, 1).daysInMonth());
            QCOMPARE(cellOfDay(year, month, filled + 1), -1);
        }
    }
}

void TestLundar1::snapWidth_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("snapped");
    QTest::newRow("293 rounds down to 290") << 293 << 290;
    QTest::newRow("295 rounds up to 297") << 295 << 297;
    QTest::newRow("300 rounds down to 297") << 300 << 297;
    QTest::newRow("310 rounds up to 311") << 310 << 311;
    QTest::newRow("narrower than 290 widens to 290") << 120 << 290;
    QTest::newRow("zero widens to 290") << 0 << 290;
    QTest::newRow("a whole number of steps stays") << 304 << 304;
}

void TestLundar1::snapWidth()
{
    QFETCH(int, requested);
    QFETCH(int, snapped);
    QCOMPARE(lundar::snapWidth(requested), snapped);
}

void TestLundar1::resizeSnapsWidthAndHeight_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("result");
    QTest::newRow("293 wide becomes 290") << QSize(293, 235) << QSize(290, 235);
    QTest::newRow("295 wide becomes 297") << QSize(295, 235) << QSize(297, 235);
    QTest::newRow("300 wide becomes 297") << QSize(300, 235) << QSize(297, 235);
    QTest::newRow("310 wide and short becomes 311 x 235") << QSize(310, 100) << QSize(311, 235);
    QTest::newRow("taller returns to 235") << QSize(290, 400) << QSize(290, 235);
}

void TestLundar1::resizeSnapsWidthAndHeight()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, result);
    Hosted h;
    h.control->resize(requested);
    QCOMPARE(h.control->size(), result);
    const int w = result.width();
    QCOMPARE(h.strip("yearStrip")->pos(), QPoint(w - 138, 3));
    QCOMPARE(h.strip("monthStrip")->pos(), QPoint(w - 70, 3));
    QCOMPARE(h.list("yearList")->geometry(), QRect(w - 138, 3, 64, 20));
    QCOMPARE(h.control->layout().cellWidth(), (w - 10) / 7 + 1);
    // the bottom bar reaches the new right edge
    const QImage image = h.image();
    QCOMPARE(image.size(), result);
    QCOMPARE(image.pixelColor(w - 4, 224), translateColor(kDefaultBottomBackColor, h.control->palette()));
}

void TestLundar1::freshInstanceShowsTodayWithDefaults()
{
    Lundar1 control;
    QCOMPARE(control.Value(), QDateTime(QDate(2026, 12, 9), QTime(0, 0), Qt::UTC));
    QCOMPARE(control.selectedCell(), cellOfDay(2026, 12, 9));
    QCOMPARE(control.yearLabel(), 2026);
    QCOMPARE(control.monthLabel(), 12);
    QCOMPARE(control.size(), QSize(290, 235));
    QCOMPARE(control.BottomBackColor(), 0xC0C0C0u);
    QCOMPARE(control.TitleBackColor(), 0xC0C0C0u);
    QCOMPARE(control.DateBackColor(), 0xE0E0E0u);
    QCOMPARE(control.GridLinesColor(), 0x800000u);
    QCOMPARE(control.SelectColor(), 0xFFC0C0u);
    QCOMPARE(control.WeekBackColor(), 0xFFFFC0u);
    QVERIFY(control.ShowVerticalGrid());
    QVERIFY(control.ShowHorizontalGrid());
    QCOMPARE(control.Big(), qint16(0));
    QCOMPARE(control.spinMode(), Lundar1::SpinMode::None);
    QVERIFY(!control.findChild<QTimer*>(QStringLiteral("repeatTimer"))->isActive());
}

void TestLundar1::valueSelectsListEntriesAndLabels()
{
    Hosted h;
    h.control->setValue(at(2085, 6, 15));
    QCOMPARE(h.list("yearList")->currentIndex(), 2085 - 1901);
    QCOMPARE(h.list("yearList")->currentText(), QStringLiteral("2085年"));
    QCOMPARE(h.list("monthList")->currentText(), QStringLiteral("06月"));
    QCOMPARE(h.control->yearLabel(), 2085);
    QCOMPARE(h.control->monthLabel(), 6);

    // a year the list lacks selects nothing and leaves the labels
    h.control->setValue(at(1850, 6, 1));
    QCOMPARE(h.control->yearLabel(), 2085);
    QCOMPARE(h.list("yearList")->currentIndex(), 2085 - 1901);
    QCOMPARE(h.control->monthLabel(), 6);
    QCOMPARE(h.control->Value().date(), QDate(1850, 6, 1));
}

void TestLundar1::valueOfSameMonthKeepsTimeOtherMonthDropsIt()
{
    Lundar1 control;
    control.setValue(at(2013, 2, 20));
    control.setValue(at(2013, 2, 5, 15));
    QCOMPARE(control.Value().time(), QTime(15, 0));
    QCOMPARE(control.selectedCell(), cellOfDay(2013, 2, 5));
    control.setValue(at(2014, 5, 10, 15));
    QCOMPARE(control.Value().date(), QDate(2014, 5, 10));
    QCOMPARE(control.Value().time(), QTime(0, 0));
}

void TestLundar1::setterNotifiesItsKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("BottomBackColor") << "BottomBackColor" << QVariant::fromValue<quint32>(0x102030);
    QTest::newRow("DateBackColor") << "DateBackColor" << QVariant::fromValue<quint32>(0x102030);
    QTest::newRow("GridLinesColor") << "GridLinesColor" << QVariant::fromValue<quint32>(0x102030);
    QTest::newRow("SelectColor") << "SelectColor" << QVariant::fromValue<quint32>(0x102030);
    QTest::newRow("ShowVerticalGrid") << "ShowVerticalGrid" << QVariant(false);
    QTest::newRow("ShowHorizontalGrid") << "ShowHorizontalGrid" << QVariant(false);
    QTest::newRow("TitleBackColor") << "TitleBackColor" << QVariant::fromValue<quint32>(0x102030);
    QTest::newRow("WeekBackColor") << "WeekBackColor" << QVariant::fromValue<quint32>(0x102030);
    QTest::newRow("Value, another month") << "Value" << QVariant(at(2001, 7, 7));
    QTest::newRow("Big") << "Big" << QVariant::fromValue<qint16>(1);
}

void TestLundar1::setterNotifiesItsKey()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    Lundar1 control;
    QSignalSpy notices(&control, &Lundar1::PropertyChanged);
    const QMetaObject* meta = control.metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty(key.toLatin1().constData()));
    QSignalSpy changes(&control, property.notifySignal());
    QVERIFY(control.setProperty(key.toLatin1().constData(), value));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.at(0).at(0).toString(), key);
    QCOMPARE(control.property(key.toLatin1().constData()), value);
    QCOMPARE(changes.size(), 1);
    // setting the same value again still marks the control for saving, but
    // changes nothing a binding could see
    QVERIFY(control.setProperty(key.toLatin1().constData(), value));
    QCOMPARE(notices.size(), 2);
    QCOMPARE(changes.size(), 1);
}

void TestLundar1::valueChangedFollowsEveryChange_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QDate>("after");
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("notices");
    // Value is 2013-02-20 before every row
    QTest::newRow("setter, another month") << "set 2014-05-10" << QDate(2014, 5, 10) << 1 << 1;
    QTest::newRow("setter, another day of the month") << "set 2013-02-05" << QDate(2013, 2, 5) << 1 << 1;
    QTest::newRow("setter, the same date") << "set 2013-02-20" << QDate(2013, 2, 20) << 0 << 1;
    QTest::newRow("setter, the same date in UTC") << "set utc 2013-02-20" << QDate(2013, 2, 20) << 0 << 1;
    QTest::newRow("left click on another day") << "click left 5" << QDate(2013, 2, 5) << 1 << 0;
    QTest::newRow("right click on another day") << "click right 5" << QDate(2013, 2, 5) << 1 << 0;
    QTest::newRow("click on the selected day") << "click left 20" << QDate(2013, 2, 20) << 0 << 0;
    QTest::newRow("year list") << "list yearList 2020" << QDate(2020, 2, 20) << 1 << 0;
    QTest::newRow("month list") << "list monthList 11" << QDate(2013, 12, 20) << 1 << 0;
    QTest::newRow("month list, the entry already chosen") << "list monthList 1" << QDate(2013, 2, 20) << 0 << 0;
    QTest::newRow("one month step") << "spin monthStrip forward 1" << QDate(2013, 3, 20) << 1 << 0;
    QTest::newRow("month step across the year end") << "spin monthStrip back 2" << QDate(2012, 12, 20) << 2 << 0;
    QTest::newRow("three year steps") << "spin yearStrip back 3" << QDate(2010, 2, 20) << 3 << 0;
    QTest::newRow("press shorter than a step") << "spin yearStrip forward 0" << QDate(2013, 2, 20) << 0 << 0;
}

void TestLundar1::valueChangedFollowsEveryChange()
{
    QFETCH(QString, action);
    QFETCH(QDate, after);
    QFETCH(int, changes);
    QFETCH(int, notices);
    Hosted h;
    h.control->setValue(at(2013, 2, 20));
    QSignalSpy changeSpy(h.control, &Lundar1::ValueChanged);
    QSignalSpy noticeSpy(h.control, &Lundar1::PropertyChanged);
    // the control shows the new date by the time it reports it
    QList<int> labelsAtChange;
    connect(h.control, &Lundar1::ValueChanged, h.control,
            [&](const QDateTime& v) { labelsAtChange << h.control->yearLabel() * 100 + h.control->monthLabel()
                                                     << v.date().year() * 100 + v.date().month(); });
    const QStringList words = action.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("set")) {
        const QDate date = QDate::fromString(words.last(), Qt::ISODate);
        h.control->setValue(words[1] == QLatin1String("utc") ? QDateTime(date, QTime(0, 0), Qt::UTC) : at(date.year(), date.month(), date.day()));
    } else if (words[0] == QLatin1String("click")) {
        const QPoint pos = h.control->layout().cellRect(cellOfDay(2013, 2, words[2].toInt())).center();
        QTest::mouseClick(h.control, words[1] == QLatin1String("left") ? Qt::LeftButton : Qt::RightButton, {}, pos);
    } else if (words[0] == QLatin1String("list")) {
        const int index = words[2].toInt() - (words[1] == QLatin1String("yearList") ? kFirstListYear : 0);
        h.list(words[1].toLatin1().constData())->setCurrentIndex(index);
    } else {
        QWidget* strip = h.strip(words[1].toLatin1().constData());
        const QPoint button = words[2] == QLatin1String("back") ? kBackButton : kForwardButton;
        QTest::mousePress(strip, Qt::LeftButton, {}, button);
        for (int i = 0; i < words[3].toInt(); ++i)
            h.tick();
        QTest::mouseRelease(strip, Qt::LeftButton, {}, button);
    }
    QCOMPARE(h.control->Value().date(), after);
    QCOMPARE(changeSpy.size(), changes);
    QCOMPARE(noticeSpy.size(), notices);
    if (changes > 0)
        QCOMPARE(changeSpy.last().at(0).toDateTime(), h.control->Value());
    for (qsizetype i = 0; i + 1 < labelsAtChange.size(); i += 2)
        QCOMPARE(labelsAtChange[i], labelsAtChange[i + 1]);
}

void TestLundar1::setterRepaintsItsArea_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<quint32>("color");
    QTest::addColumn<QPoint>("probe");
    QTest::newRow("TitleBackColor fills the title bar") << "TitleBackColor" << bgr(10, 120, 30) << QPoint(145, 4);
    QTest::newRow("TitleBackColor fills the spin strips")
        << "TitleBackColor" << bgr(10, 120, 30) << QPoint(290 - 138 + 30, 3 + 1);
    QTest::newRow("WeekBackColor fills the weekday header") << "WeekBackColor" << bgr(200, 10, 90) << QPoint(5, 27);
    QTest::newRow("DateBackColor fills an empty cell") << "DateBackColor" << bgr(1, 2, 250) << QPoint(20, 60);
    QTest::newRow("BottomBackColor fills the bottom bar") << "BottomBackColor" << bgr(90, 90, 0) << QPoint(280, 230);
    QTest::newRow("a system colour takes the palette's button face")
        << "BottomBackColor" << quint32(0x8000000F) << QPoint(280, 230);
}

void TestLundar1::setterRepaintsItsArea()
{
    QFETCH(QString, key);
    QFETCH(quint32, color);
    QFETCH(QPoint, probe);
    Hosted h;
    h.control->setValue(at(2013, 2, 20)); // cell 0 empty
    QVERIFY(h.control->setProperty(key.toLatin1().constData(), QVariant::fromValue(color)));
    QCOMPARE(h.image().pixelColor(probe), translateColor(color, h.control->palette()));
}

void TestLundar1::bigSwitchesWeekdayNamesAndBack()
{
    Hosted h;
    const QRect header(2, 26, 286, 19);
    const QImage plain = h.image().copy(header);
    h.control->setBig(1);
    const QImage formal = h.image().copy(header);
    QVERIFY(plain != formal);
    // Sunday reads 星期日 in both styles
    const QRect sunday(2, 26, 41, 19);
    QCOMPARE(formal.copy(sunday.translated(-2, -26)), plain.copy(sunday.translated(-2, -26)));
    h.control->setBig(0);
    QCOMPARE(h.image().copy(header), plain);
}

void TestLundar1::selectedCellIsPaintedInSelectColor()
{
    Hosted h;
    h.control->setValue(at(2013, 2, 20));
    h.control->setSelectColor(bgr(0, 200, 0));
    const int cell = h.control->selectedCell();
    QCOMPARE(cell, cellOfDay(2013, 2, 20));
    const QRect r = h.control->layout().cellRect(cell);
    const QImage image = h.image();
    const QColor selected = translateColor(bgr(0, 200, 0), h.control->palette());
    // the corners of the cell carry no text
    QCOMPARE(image.pixelColor(r.topLeft()), selected);
    QCOMPARE(image.pixelColor(r.bottomRight()), selected);
    QCOMPARE(image.pixelColor(r.left(), r.bottom()), selected);
    // its neighbour is not selected
    const QRect next = h.control->layout().cellRect(cell + 1);
    QCOMPARE(image.pixelColor(next.bottomRight()), translateColor(kDefaultDateBackColor, h.control->palette()));
}

void TestLundar1::monthBackClampsTheDay()
{
    Hosted h;
    h.control->setValue(at(2013, 3, 31));
    QTest::mousePress(h.strip("monthStrip"), Qt::LeftButton, {}, kBackButton);
    QCOMPARE(h.control->spinMode(), Lundar1::SpinMode::MonthBack);
    QVERIFY(h.timer()->isActive());
    h.tick();
    QTest::mouseRelease(h.strip("monthStrip"), Qt::LeftButton, {}, kBackButton);
    QCOMPARE(h.control->Value().date(), QDate(2013, 2, 28));
    QCOMPARE(h.control->monthLabel(), 2);
    QCOMPARE(h.list("monthList")->currentIndex(), 1);
    QCOMPARE(h.control->selectedCell(), cellOfDay(2013, 2, 28));
    QCOMPARE(h.control->spinMode(), Lundar1::SpinMode::None);
    QVERIFY(!h.timer()->isActive());
}

void TestLundar1::heldMonthForwardCrossesYearEnd()
{
    Hosted h;
    h.control->setValue(at(2013, 12, 15));
    QSignalSpy notices(h.control, &Lundar1::PropertyChanged);
    QTest::mousePress(h.strip("monthStrip"), Qt::LeftButton, {}, kForwardButton);
    QCOMPARE(h.control->spinMode(), Lundar1::SpinMode::MonthForward);
    h.tick();
    QCOMPARE(h.control->Value().date(), QDate(2014, 1, 15));
    QCOMPARE(h.control->yearLabel(), 2014);
    QCOMPARE(h.control->monthLabel(), 1);
    QCOMPARE(h.list("yearList")->currentText(), QStringLiteral("2014年"));
    QCOMPARE(h.list("monthList")->currentIndex(), 0);
    // the title shows what a control set straight to that day shows
    Hosted direct;
    direct.control->setValue(at(2014, 1, 15));
    const QRect title(2, 2, 290 - 138 - 2, 23); // left of the strips, whose button is still down
    QCOMPARE(h.image().copy(title), direct.image().copy(title));
    h.tick();
    QCOMPARE(h.control->Value().date(), QDate(2014, 2, 15));
    QVERIFY(h.timer()->isActive());
    QTest::mouseRelease(h.strip("monthStrip"), Qt::LeftButton, {}, kForwardButton);
    QVERIFY(!h.timer()->isActive());
    QCOMPARE(notices.size(), 0); // stepping does not tell the container
}

void TestLundar1::pressShorterThanIntervalMakesNoStep()
{
    Hosted h;
    h.control->setValue(at(2013, 6, 10));
    QTest::mousePress(h.strip("yearStrip"), Qt::LeftButton, {}, kForwardButton);
    QTest::mouseRelease(h.strip("yearStrip"), Qt::LeftButton, {}, kForwardButton);
    QCOMPARE(h.control->Value().date(), QDate(2013, 6, 10));
    QVERIFY(!h.timer()->isActive());
    QCOMPARE(h.control->spinMode(), Lundar1::SpinMode::None);
}

void TestLundar1::rangeEndStopsTimerAtFirstTick_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<QPoint>("button");
    QTest::addColumn<QDate>("after");
    QTest::newRow("year back in 1901-01") << QDate(1901, 1, 20) << "yearStrip" << kBackButton << QDate(1901, 1, 20);
    QTest::newRow("month back in 1901-01") << QDate(1901, 1, 20) << "monthStrip" << kBackButton << QDate(1901, 1, 20);
    QTest::newRow("year forward in 2100-12") << QDate(2100, 12, 5) << "yearStrip" << kForwardButton << QDate(2100, 12, 5);
    QTest::newRow("month forward in 2100-12") << QDate(2100, 12, 5) << "monthStrip" << kForwardButton << QDate(2100, 12, 5);
    QTest::newRow("month back reaching 1901-01 stops there")
        << QDate(1901, 2, 28) << "monthStrip" << kBackButton << QDate(1901, 1, 28);
    QTest::newRow("month forward reaching 2100-12 stops there")
        << QDate(2100, 11, 30) << "monthStrip" << kForwardButton << QDate(2100, 12, 30);
    QTest::newRow("year back in 1901-07 stays in 1901")
        << QDate(1901, 7, 31) << "yearStrip" << kBackButton << QDate(1901, 7, 31);
}

void TestLundar1::rangeEndStopsTimerAtFirstTick()
{
    QFETCH(QDate, start);
    QFETCH(QString, strip);
    QFETCH(QPoint, button);
    QFETCH(QDate, after);
    Hosted h;
    h.control->setValue(QDateTime(start, QTime(0, 0)));
    QTest::mousePress(h.strip(strip.toLatin1().constData()), Qt::LeftButton, {}, button);
    QVERIFY(h.timer()->isActive());
    h.tick();
    QVERIFY(!h.timer()->isActive());
    QCOMPARE(h.control->Value().date(), after);
    h.tick(); // a tick already queued must not leave the range either
    QCOMPARE(h.control->Value().date(), after);
    QCOMPARE(h.control->yearLabel(), after.year());
    QCOMPARE(h.control->monthLabel(), after.month());
    QTest::mouseRelease(h.strip(strip.toLatin1().constData()), Qt::LeftButton, {}, button);
}

void TestLundar1::yearStepClampsLeapDay()
{
    Hosted h;
    h.control->setValue(at(2016, 2, 29));
    QTest::mousePress(h.strip("yearStrip"), Qt::LeftButton, {}, kForwardButton);
    h.tick();
    QTest::mouseRelease(h.strip("yearStrip"), Qt::LeftButton, {}, kForwardButton);
    QCOMPARE(h.control->Value().date(), QDate(2017, 2, 28));
    QCOMPARE(h.control->yearLabel(), 2017);
}

void TestLundar1::labelOrDropButtonDropsItsList_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QString>("list");
    QTest::newRow("year label") << "yearLabel" << QPoint(5, 5) << "yearList";
    QTest::newRow("month label") << "monthLabel" << QPoint(8, 5) << "monthList";
    QTest::newRow("月 beside the month") << "monthUnitLabel" << QPoint(5, 5) << "monthList";
    QTest::newRow("year drop-down button") << "yearStrip" << QPoint(56, 10) << "yearList";
    QTest::newRow("month drop-down button") << "monthStrip" << QPoint(56, 10) << "monthList";
}

void TestLundar1::labelOrDropButtonDropsItsList()
{
    QFETCH(QString, widget);
    QFETCH(QPoint, pos);
    QFETCH(QString, list);
    Hosted h;
    auto* target = h.control->findChild<QWidget*>(widget);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, pos);
    QComboBox* dropped = h.list(list.toLatin1().constData());
    QTRY_VERIFY(dropped->view()->isVisible());
    QVERIFY(!h.timer()->isActive());
    dropped->hidePopup();
}

void TestLundar1::dayPickRaisesClickOnce()
{
    Hosted h;
    h.control->setValue(at(2013, 2, 20));
    QSignalSpy clicks(h.control, &Lundar1::Click);
    QSignalSpy notices(h.control, &Lundar1::PropertyChanged);
    const QRect day5 = h.control->layout().cellRect(cellOfDay(2013, 2, 5));
    QTest::mouseClick(h.control, Qt::LeftButton, {}, day5.center());
    QCOMPARE(h.control->Value().date(), QDate(2013, 2, 5));
    QCOMPARE(h.control->selectedCell(), cellOfDay(2013, 2, 5));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(notices.size(), 0);
    QVERIFY(!h.control->dayClickPending());
    // a second click on the title passes nothing on
    QTest::mouseClick(h.control, Qt::LeftButton, {}, QPoint(50, 10));
    QCOMPARE(clicks.size(), 1);
}

void TestLundar1::keysMoveThePickedDay_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("to");
    QTest::newRow("left into the month before") << QDate(2013, 3, 1) << int(Qt::Key_Left) << QDate(2013, 2, 28);
    QTest::newRow("right") << QDate(2013, 2, 20) << int(Qt::Key_Right) << QDate(2013, 2, 21);
    QTest::newRow("up a week") << QDate(2013, 2, 20) << int(Qt::Key_Up) << QDate(2013, 2, 13);
    QTest::newRow("down into the next year") << QDate(2013, 12, 30) << int(Qt::Key_Down) << QDate(2014, 1, 6);
    QTest::newRow("page up keeps the day the month has") << QDate(2013, 3, 31) << int(Qt::Key_PageUp) << QDate(2013, 2, 28);
    QTest::newRow("page down") << QDate(2013, 2, 20) << int(Qt::Key_PageDown) << QDate(2013, 3, 20);
    QTest::newRow("shift page up: a year back, 29 February kept as the 28th")
        << QDate(2016, 2, 29) << (Qt::Key_PageUp | Qt::ShiftModifier).toCombined() << QDate(2015, 2, 28);
    QTest::newRow("shift page down: a year on") << QDate(2013, 2, 20) << (Qt::Key_PageDown | Qt::ShiftModifier).toCombined()
                                                << QDate(2014, 2, 20);
    QTest::newRow("home") << QDate(2013, 2, 20) << int(Qt::Key_Home) << QDate(2013, 2, 1);
    QTest::newRow("end") << QDate(2013, 2, 20) << int(Qt::Key_End) << QDate(2013, 2, 28);
    QTest::newRow("the last listed day stays") << QDate(2100, 12, 31) << int(Qt::Key_Right) << QDate(2100, 12, 31);
    QTest::newRow("the first listed day stays") << QDate(1901, 1, 1) << int(Qt::Key_Up) << QDate(1901, 1, 1);
}

void TestLundar1::keysMoveThePickedDay()
{
    QFETCH(QDate, from);
    QFETCH(int, key);
    QFETCH(QDate, to);
    Hosted h;
    h.control->setValue(at(from.year(), from.month(), from.day()));
    h.control->setFocus();
    QSignalSpy clicks(h.control, &Lundar1::Click);
    QTest::keyClick(h.control, Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(h.control->Value().date(), to);
    QCOMPARE(h.control->yearLabel() * 100 + h.control->monthLabel(), to.year() * 100 + to.month());
    QCOMPARE(h.control->selectedCell(), cellOfDay(to.year(), to.month(), to.day()));
    QCOMPARE(clicks.size(), 0);
    // Enter passes the pick on once, as a mouse pick does.
    QTest::keyClick(h.control, Qt::Key_Return);
    QCOMPARE(clicks.size(), 1);
}

void TestLundar1::clickRaisesNoEvent_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("empty leading cell") << QPoint(20, 60);
    QTest::newRow("empty trailing cell") << QPoint(2 + 41 * 5 + 20, 46 + 28 * 5 + 10);
    QTest::newRow("weekday header") << QPoint(100, 35);
    QTest::newRow("title bar") << QPoint(60, 12);
    QTest::newRow("bottom bar") << QPoint(100, 225);
    QTest::newRow("right border beside the last column") << QPoint(289, 100);
}

void TestLundar1::clickRaisesNoEvent()
{
    QFETCH(QPoint, pos);
    Hosted h;
    h.control->setValue(at(2013, 2, 20));
    QSignalSpy clicks(h.control, &Lundar1::Click);
    QTest::mouseClick(h.control, Qt::LeftButton, {}, pos);
    QCOMPARE(h.control->Value(), at(2013, 2, 20));
    QCOMPARE(clicks.size(), 0);
    QVERIFY(!h.control->dayClickPending());
}

void TestLundar1::clickFollowsItsPick_data()
{
    // A script of mouse actions on the control, each "<action><button>@<place>":
    // c click, d double-click, p press, r release; L, R, M the buttons; places
    // day (the 5th), day20, title, header, empty (a leading cell) and outside.
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QDate>("value");
    QTest::newRow("left click on a day") << "cL@day" << 1 << QDate(2013, 2, 5);
    QTest::newRow("right click on a day") << "cR@day" << 1 << QDate(2013, 2, 5);
    QTest::newRow("middle click on a day") << "cM@day" << 1 << QDate(2013, 2, 5);
    QTest::newRow("right pick, then left click on the title") << "cR@day cL@title" << 1 << QDate(2013, 2, 5);
    QTest::newRow("double-click on a day") << "dL@day" << 1 << QDate(2013, 2, 5);
    QTest::newRow("two separate picks") << "cL@day cR@day20" << 2 << QDate(2013, 2, 20);
    QTest::newRow("pick dragged off the control, then title")
        << "pL@day rL@outside cL@title" << 0 << QDate(2013, 2, 5);
    QTest::newRow("pick dragged off the control, then header")
        << "pR@day rR@outside cL@header" << 0 << QDate(2013, 2, 5);
    QTest::newRow("pick dragged off the control, then empty cell")
        << "pL@day rL@outside cL@empty" << 0 << QDate(2013, 2, 5);
    QTest::newRow("pick released on the title still completes")
        << "pL@day rL@title" << 1 << QDate(2013, 2, 5);
    QTest::newRow("pick dragged off, then a new pick") << "pL@day rL@outside cL@day20" << 1 << QDate(2013, 2, 20);
    QTest::newRow("double-click on the title") << "dL@title" << 0 << QDate(2013, 2, 20);
}

void TestLundar1::clickFollowsItsPick()
{
    QFETCH(QString, script);
    QFETCH(int, clicks);
    QFETCH(QDate, value);
    Hosted h;
    h.control->setValue(at(2013, 2, 20));
    const Layout& layout = h.control->layout();
    const QMap<QString, QPoint> places = {
        {"day", layout.cellRect(cellOfDay(2013, 2, 5)).center()},
        {"day20", layout.cellRect(cellOfDay(2013, 2, 20)).center()},
        {"title", QPoint(60, 12)},
        {"header", QPoint(100, 35)},
        {"empty", QPoint(20, 60)},
        {"outside", QPoint(350, 280)},
    };
    const QMap<QChar, Qt::MouseButton> buttons = {
        {'L', Qt::LeftButton}, {'R', Qt::RightButton}, {'M', Qt::MiddleButton}};
    QSignalSpy spy(h.control, &Lundar1::Click);
    // Through the window, so that the platform's double-click synthesis and the
    // implicit mouse grab shape the events as they do for a real mouse.
    QWindow* window = h.window.windowHandle();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (const QString& step : script.split(QLatin1Char(' '))) {
        const QChar action = step.at(0);
        const Qt::MouseButton button = buttons.value(step.at(1));
        const QPoint pos = h.control->mapTo(&h.window, places.value(step.mid(3)));
        if (action == QLatin1Char('c'))
            QTest::mouseClick(window, button, {}, pos);
        else if (action == QLatin1Char('d'))
            QTest::mouseDClick(window, button, {}, pos);
        else if (action == QLatin1Char('p'))
            QTest::mousePress(window, button, {}, pos);
        else
            QTest::mouseRelease(window, button, {}, pos);
    }
    QCOMPARE(spy.size(), clicks);
    QCOMPARE(h.control->Value().date(), value);
    QVERIFY(!h.control->dayClickPending());
}

void TestLundar1::bottomBarOfFebruary2013()
{
    Hosted h;
    h.control->setValue(at(2013, 2, 20));
    // the term days of the calendar's mean-year reckoning: 立春 falls at 22:42 on the 3rd
    QCOMPARE(Lundar1::solarTermTexts(2013, 2), QStringList({"立春：3日", "雨水：18日"}));
    // the bar holds the two texts of the month, left at x = 8 and right at W / 2
    const QImage bar = h.image().copy(2, 214, 286, 19);
    const QColor back = translateColor(kDefaultBottomBackColor, h.control->palette());
    auto inked = [&](int x0, int x1) {
        for (int y = 0; y < bar.height(); ++y)
            for (int x = x0; x < x1; ++x)
                if (bar.pixelColor(x, y) != back)
                    return true;
        return false;
    };
    QVERIFY(inked(6, 60));
    QVERIFY(!inked(70, 140)); // "立春：3日" is 5 characters wide at most
    QVERIFY(inked(143, 200));

    // the same bar is what a month without the control's history paints
    Hosted fresh;
    fresh.control->setValue(at(2013, 2, 1));
    QCOMPARE(fresh.image().copy(2, 214, 286, 19), bar);
    // and another month's terms paint differently
    fresh.control->setValue(at(2013, 3, 1));
    QVERIFY(fresh.image().copy(2, 214, 286, 19) != bar);
}

void TestLundar1::valueOutsideCalendarPaintsAndAnswersSafely()
{
    Hosted h;
    const QDateTime outside[] = {at(1850, 1, 31), at(1900, 1, 10), at(2101, 3, 1), at(9999, 12, 31), QDateTime()};
    for (const QDateTime& v : outside) {
        h.control->setValue(v);
        h.control->repaintAll();
        QVERIFY(!h.image().isNull());
        // the queries fall back to Value, which the calendar cannot answer for
        QCOMPARE(h.control->GetChineseDate(at(1800, 1, 1)), QString());
    }
    // a date within the range is answered whatever Value is
    QCOMPARE(h.control->GetChineseYear(at(2013, 2, 20)), QStringLiteral("癸巳年"));
    // and stepping from such a Value lands on a real date
    QTest::mousePress(h.strip("monthStrip"), Qt::LeftButton, {}, kForwardButton);
    h.tick();
    QTest::mouseRelease(h.strip("monthStrip"), Qt::LeftButton, {}, kForwardButton);
    QVERIFY(h.control->Value().date().isValid());
}

void TestLundar1::bagStoresNothingForDefaults()
{
    Lundar1 control;
    PropertyBag bag;
    control.WriteProperties(bag);
    QVERIFY2(bag.keys().isEmpty(), qPrintable(bag.keys().join(QLatin1Char(','))));
    QVERIFY(control.WritePropertyMap().isEmpty());
}

void TestLundar1::bagRoundTripsChangedProperties()
{
    Lundar1 saved;
    saved.setSelectColor(bgr(1, 2, 3));
    saved.setTitleBackColor(0x80000005);
    saved.setShowVerticalGrid(false);
    saved.setBig(1);
    saved.setValue(at(2013, 2, 20));
    PropertyBag bag;
    bag.writeColor(QStringLiteral("DateBackColor"), 0x123, 0); // left over from an earlier save
    saved.WriteProperties(bag);
    QStringList keys = bag.keys();
    keys.sort();
    QCOMPARE(keys, QStringList({"Big", "SelectColor", "ShowVerticalGrid", "TitleBackColor", "Value"}));

    Lundar1 loaded;
    loaded.ReadProperties(bag);
    QCOMPARE(loaded.SelectColor(), bgr(1, 2, 3));
    QCOMPARE(loaded.TitleBackColor(), 0x80000005u);
    QVERIFY(!loaded.ShowVerticalGrid());
    QCOMPARE(loaded.Big(), qint16(1));
    QCOMPARE(loaded.Value().date(), QDate(2013, 2, 20));
    QCOMPARE(loaded.DateBackColor(), kDefaultDateBackColor);
    QCOMPARE(loaded.yearLabel(), 2013);

    // a control saved on the day it shows comes back showing the day it is loaded
    Lundar1 today;
    today.setValue(QDateTime(QDate(2026, 12, 9), QTime(0, 0)));
    PropertyBag todayBag;
    today.WriteProperties(todayBag);
    QVERIFY(!todayBag.contains(QStringLiteral("Value")));
    Lundar1::setTodayFunction([] { return QDate(2027, 1, 2); });
    Lundar1 later;
    later.ReadProperties(todayBag);
    QCOMPARE(later.Value().date(), QDate(2027, 1, 2));
}

void TestLundar1::bagFallsBackOnUnreadableEntries_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("loaded");
    QTest::newRow("colour stored as text") << "SelectColor" << QVariant("blue")
                                           << QVariant::fromValue<quint32>(kDefaultSelectColor);
    QTest::newRow("colour stored as fraction") << "GridLinesColor" << QVariant(1.5)
                                               << QVariant::fromValue<quint32>(kDefaultGridLinesColor);
    QTest::newRow("colour wider than 32 bits") << "WeekBackColor" << QVariant(qint64(1) << 40)
                                               << QVariant::fromValue<quint32>(kDefaultWeekBackColor);
    QTest::newRow("system colour stored signed") << "TitleBackColor" << QVariant(qint32(0x80000005))
                                                 << QVariant::fromValue<quint32>(0x80000005);
    QTest::newRow("Big beyond 16 bits") << "Big" << QVariant(70000) << QVariant::fromValue<qint16>(0);
    QTest::newRow("Big as a number") << "Big" << QVariant(-1) << QVariant::fromValue<qint16>(-1);
    QTest::newRow("boolean stored as -1") << "ShowHorizontalGrid" << QVariant(-1) << QVariant(true);
    QTest::newRow("boolean stored as text") << "ShowVerticalGrid" << QVariant("no") << QVariant(true);
    QTest::newRow("date stored as a plain date") << "Value" << QVariant(QDate(2013, 2, 20))
                                                 << QVariant(at(2013, 2, 20));
    QTest::newRow("date stored as text") << "Value" << QVariant("2013-02-20")
                                         << QVariant(QDateTime(QDate(2026, 12, 9), QTime(0, 0), Qt::UTC));
}

void TestLundar1::bagFallsBackOnUnreadableEntries()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, loaded);
    Lundar1 control;
    control.ReadPropertyMap(QVariantMap{{key, stored}});
    const QVariant actual = control.property(key.toLatin1().constData());
    if (key == QLatin1String("Value"))
        QCOMPARE(actual.toDateTime().date(), loaded.toDateTime().date());
    else
        QCOMPARE(actual, loaded);
}

void TestLundar1::queries_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QDateTime>("theDate");
    QTest::addColumn<QString>("text");
    // Value is 2013-02-20 for every row
    QTest::newRow("leap month marks the year") << "GetChineseYear" << at(2023, 3, 22) << "癸卯年(闰)";
    QTest::newRow("full date with leap marker") << "GetChineseDate" << at(2023, 3, 22) << "农历癸卯年(闰)二月初一";
    QTest::newRow("before 1901 answers for Value") << "GetChineseDate" << at(1900, 6, 1) << "农历癸巳年一月十一";
    QTest::newRow("after 2100 answers for Value") << "GetChineseDate" << at(2101, 1, 1) << "农历癸巳年一月十一";
    QTest::newRow("2100-12-31 at noon is already after") << "GetChineseDay" << at(2100, 12, 31, 12) << "十一";
    QTest::newRow("first day of the range") << "GetChineseDate" << at(1901, 1, 1) << "农历庚子年十一月十一";
    QTest::newRow("last day of the range") << "GetChineseDate" << at(2100, 12, 31) << "农历庚申年十二月初一";
    QTest::newRow("afternoon counts as the next day") << "GetChineseDay" << at(2013, 2, 20, 13) << "十二";
    QTest::newRow("star sign ignores the time") << "GetConstellation" << at(2013, 12, 21, 13) << "射手座";
    QTest::newRow("last day of the dragon year") << "GetChineseAnimal" << at(2013, 2, 9) << "龙";
    QTest::newRow("first day of the snake year") << "GetChineseAnimal" << at(2013, 2, 10) << "蛇";
    QTest::newRow("an invalid date answers for Value") << "GetChineseMonth" << QDateTime() << "一月";
}

void TestLundar1::queries()
{
    QFETCH(QString, method);
    QFETCH(QDateTime, theDate);
    QFETCH(QString, text);
    Lundar1 control;
    control.setValue(at(2013, 2, 20));
    QString result;
    QVERIFY(QMetaObject::invokeMethod(&control, method.toLatin1().constData(), Q_RETURN_ARG(QString, result),
                                      Q_ARG(QDateTime, theDate)));
    QCOMPARE(result, text);
}

void TestLundar1::colorTranslation_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("color");
    const QPalette palette;
    QTest::newRow("red channel is the low byte") << quint32(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("blue channel is the third byte") << quint32(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("navy") << quint32(0x800000) << QColor(0, 0, 128);
    QTest::newRow("palette-relative RGB") << quint32(0x0200FF00) << QColor(0, 255, 0);
    QTest::newRow("system window colour") << quint32(0x80000005) << palette.color(QPalette::Active, QPalette::Base);
    QTest::newRow("system button face") << quint32(0x8000000F) << palette.color(QPalette::Active, QPalette::Button);
    QTest::newRow("unused system index 25") << quint32(0x80000019) << QColor(Qt::black);
    QTest::newRow("system index past the table") << quint32(0x80000040) << QColor(Qt::black);
    QTest::newRow("unknown layout byte") << quint32(0x41FFFFFF) << QColor(Qt::black);
}

void TestLundar1::colorTranslation()
{
    QFETCH(quint32, value);
    QFETCH(QColor, color);
    QCOMPARE(translateColor(value, QPalette()), color);
}

namespace {

// What a user reads or a screen reader hears of a control showing 2023-03-22,
// a day in a leap month, while today is 2023-03-08, a festival.
QAccessibleInterface* grid(Lundar1& c) { return QAccessible::queryAccessibleInterface(&c); }
const char* const kLanguages[] = {"zh_CN", "zh_TW", "en"}; // zh_CN: the source texts, nothing loaded
const struct { const char* what; QString (*read)(Lundar1&); const char* shown[3]; } kLanguageRows[] = {
    {"year list", [](Lundar1& c) { return c.findChild<QComboBox*>("yearList")->currentText(); }, {"2023年", "2023年", "2023"}},
    {"month strip", [](Lundar1& c) { return c.findChild<QLabel*>("monthLabel")->text(); }, {"3", "3", "Mar"}},
    {"formal weekday head", [](Lundar1& c) { c.setBig(1); return grid(c)->tableInterface()->columnDescription(3); },
     {"星期叁", "星期參", "WED"}},
    {"title with leap marker", [](Lundar1& c) { return grid(c)->text(QAccessible::Name); },
     {"农历癸卯年(闰)二月初一", "農曆癸卯年(閏)二月初一", "Lunar 癸卯年(闰)二月初一"}},
    {"today's festival cell", [](Lundar1& c) { return grid(c)->child(10)->text(QAccessible::Name); },
     {"2023年3月8日 妇女节 今天", "2023年3月8日 婦女節 今天", "Wednesday, March 8, 2023 妇女节 today"}},
    {"solar term", [](Lundar1&) { return Lundar1::solarTermTexts(2023, 3).value(0); }, {"惊蛰：6日", "驚蟄：6日", "惊蛰: day 6"}},
};

} // namespace

void TestLundar1::textsFollowTheLoadedLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("row");
    for (int r = 0; r < int(std::size(kLanguageRows)) * 3; ++r)
        QTest::addRow("%s %s", kLanguages[r % 3], kLanguageRows[r / 3].what) << r % 3 << r / 3;
}

void TestLundar1::textsFollowTheLoadedLanguage()
{
    QFETCH(int, language);
    QFETCH(int, row);
    QTranslator translator;
    const QString folder = testsupport::builtProgramDir() + QStringLiteral("/translations");
    QVERIFY(language == 0 || translator.load(QStringLiteral("lundar_%1").arg(kLanguages[language]), folder));
    QCoreApplication::installTranslator(&translator);
    Lundar1::setTodayFunction([] { return QDate(2023, 3, 8); });
    Hosted h;
    h.control->setValue(at(2023, 3, 22));
    QCOMPARE(kLanguageRows[row].read(*h.control), QString::fromUtf8(kLanguageRows[row].shown[language]));
}

// A name the lunar module gains later must reach the Traditional translation too.
void TestLundar1::everyLunarNameHasATraditionalTranslation()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("lundar_zh_TW"), testsupport::builtProgramDir() + QStringLiteral("/translations")));
    std::set<std::string> names{"(闰)"};
    for (int year = 1900; year <= lunar::kLastLunarYear; ++year)
        names.insert({lunar::StemBranchYearName(year), lunar::ZodiacAnimalOf(year)});
    for (int n = 1; n <= 30; ++n)
        names.insert({lunar::LunarMonthName(std::min(n, 12)), lunar::LunarDayName(n), lunar::SolarTermName(std::min(n, 24))});
    using namespace std::chrono;
    for (sys_days d{lunar::kFirstQueryDate}; d <= sys_days{lunar::kLastQueryDate}; d += days{1})
        if (const lunar::DayText text = lunar::FestivalOrLunarDay(lunar::Date{d}); text.festival)
            names.insert(text.text);
    QStringList missing;
    for (const std::string& name : names)
        if (translator.translate("LunarNames", name.c_str()).isEmpty())
            missing.append(QString::fromStdString(name));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
}

QTEST_MAIN(TestLundar1)
#include "test_lundar1.moc"
