#include "sheet/MainWindow.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char **argv)
{
    // The update form's "Random" choice and the premade list draw from it.
    std::srand(unsigned(std::time(nullptr)));

    QTextStream errors(stderr);
    errors << "Hi there, stderr!" << Qt::endl;

    QApplication app(argc, argv);
    int code = 0;
    {
        MainWindow window;
        installItemModels(&window);
        window.show();
        code = app.exec();
    }
    return code;
}
