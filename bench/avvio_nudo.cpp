// A bare Qt Widgets window of the setup window's size: the yardstick for the program's start-up.
#include "misura.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication programma(argc, argv);
    PrimoDisegno primo("nuda");
    QMainWindow finestra;
    finestra.setObjectName(QStringLiteral("nuda"));
    finestra.resize(792, 574);
    finestra.show();
    return QApplication::exec();
}
