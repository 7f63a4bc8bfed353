// The program's entry: the runtime's start, then the application's main function.
#include <clocale>
#include <QApplication>

#include "shell/app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return OwlMain(argc, argv);
}
