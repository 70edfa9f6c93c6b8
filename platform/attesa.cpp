#include "attesa.h"

#include <QCursor>
#include <QGuiApplication>

Attesa::Attesa()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

Attesa::~Attesa()
{
    fine();
}

void Attesa::fine()
{
    if (attiva_)
        QGuiApplication::restoreOverrideCursor();
    attiva_ = false;
}
