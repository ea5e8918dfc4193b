#include "Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarnby::ui::setUpApplication();

    // The program folder is where the executable lies: Init.ini, SrDate/,
    // Skin/, Source/, Tools/ and plugins/ are found beside it.
    tarnby::ui::Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
