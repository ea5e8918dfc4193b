#include "Form1.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnby"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnby考勤助手2.0"));
    QFont font = QApplication::font();
    font.setPointSize(9); // 12 pixels at 96 dpi
    QApplication::setFont(font);

    // The program folder is where the executable lies: Init.ini, SrDate/,
    // Skin/, Source/, Tools/ and plugins/ are found beside it.
    tarnby::ui::Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
