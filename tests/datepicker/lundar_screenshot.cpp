// Renders the control as the documentation shows it: Value 2013-02-20, the
// default colours, the default width, in the language of an optional .qm file.
// Usage: lundar-screenshot OUTPUT.png [WIDTH [TRANSLATION.qm]]

#include "datepicker/Lundar1.h"

#include <QApplication>
#include <QDateTime>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: lundar-screenshot OUTPUT.png [WIDTH [TRANSLATION.qm]]\n";
        return 2;
    }
    QTranslator translator;
    if (args.size() > 3 && !(translator.load(args.at(3)) && QCoreApplication::installTranslator(&translator)))
        return 1;
    lundar::Lundar1 control;
    control.setValue(QDateTime(QDate(2013, 2, 20), QTime(0, 0)));
    if (args.size() > 2 && args.at(2).toInt() > 0)
        control.resize(args.at(2).toInt(), lundar::kHeight);
    control.show();
    QApplication::processEvents();
    if (!control.grab().save(args.at(1))) {
        QTextStream(stderr) << "cannot write " << args.at(1) << "\n";
        return 1;
    }
    return 0;
}
