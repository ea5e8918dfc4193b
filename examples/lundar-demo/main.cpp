// Lundar demo: a Lundar1 date picker with two labels under it. The first
// follows the picked date and its lunar date (ValueChanged), the second counts
// the days picked with the mouse (Click).
//
//   lundar-demo [--date YYYY-MM-DD] [--quit]
//
// --date starts on that day; --quit prints the date shown and its lunar text
// and ends at once, for scripted checks.

#include "ui_DemoWindow.h"

#include <lundar/Lundar1.h>
#include <lundar/Lunar.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption dateOption(QStringLiteral("date"), QStringLiteral("Start on this day."),
                                        QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption quitOption(QStringLiteral("quit"), QStringLiteral("Print the date and quit."));
    parser.addOptions({dateOption, quitOption});
    parser.process(app);

    QWidget window;
    Ui::DemoWindow ui;
    ui.setupUi(&window);
    lundar::Lundar1* picker = ui.picker;

    const auto showDate = [&](const QDateTime& value) {
        // GetChineseDate answers for Value when the date lies outside 1901-2100.
        ui.lunarText->setText(QStringLiteral("%1 %2").arg(value.date().toString(Qt::ISODate),
                                                         picker->GetChineseDate(value)));
    };
    QObject::connect(picker, &lundar::Lundar1::ValueChanged, &window, showDate);
    int clicks = 0;
    QObject::connect(picker, &lundar::Lundar1::Click, &window, [&] {
        // The calendar module answers directly, without a control.
        const QDate d = picker->Value().date();
        const lunar::DayText day = lunar::FestivalOrLunarDay(
            std::chrono::year{d.year()} / std::chrono::month{unsigned(d.month())} / std::chrono::day{unsigned(d.day())});
        ui.clickText->setText(QStringLiteral("点选了 %1 次：%2").arg(QString::number(++clicks), QString::fromStdString(day.text)));
    });

    if (parser.isSet(dateOption)) {
        const QDate date = QDate::fromString(parser.value(dateOption), Qt::ISODate);
        if (!date.isValid() || date < QDate(1901, 1, 1) || date > QDate(2100, 12, 31)) {
            std::fprintf(stderr, "lundar-demo: --date wants a day from 1901-01-01 to 2100-12-31\n");
            return 2;
        }
        picker->setValue(QDateTime(date, QTime(0, 0)));
    }
    showDate(picker->Value());
    window.show();

    if (parser.isSet(quitOption)) {
        std::printf("%s\n", ui.lunarText->text().toUtf8().constData());
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return app.exec();
}
