// TARVOLINI.1: division drills for primary-school pupils.
#include "app/applicazione.h"
#include "platform/aspetto.h"
#include "setup/frm_sfondo.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication programma(argc, argv);
    preparaAspetto(programma);
    PiattaformaQt piattaforma;
    Applicazione applicazione(piattaforma.servizi());
    applicazione.frmSfondo();
    return QApplication::exec();
}
