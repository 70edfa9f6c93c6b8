// A bare Qt Widgets window of the setup window's size: the yardstick for the program's start-up.
// With the argument "testo" it shows one line of text, and so also pays Qt's font set-up, which any
// window with text pays once.
#include "misura.h"

#include <QLabel>
#include <QMainWindow>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication programma(argc, argv);
    PrimoDisegno primo("nuda");
    QMainWindow finestra;
    finestra.setObjectName(QStringLiteral("nuda"));
    finestra.resize(792, 574);
    if (argc > 1 && std::strcmp(argv[1], "testo") == 0)
        finestra.setCentralWidget(new QLabel(QStringLiteral("TARVOLINI.1")));
    finestra.show();
    return QApplication::exec();
}
