#include "programma.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

QString ProgrammaQt::cartella() const
{
    // Resolved through /proc/self/exe, so a link in bin/ still leads to the program's own folder.
    return QCoreApplication::applicationDirPath();
}

void ProgrammaQt::terminaSubito()
{
    std::fflush(nullptr);
    std::_Exit(0);
}
