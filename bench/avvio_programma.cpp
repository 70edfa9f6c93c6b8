// The program started as usual, until the setup window is first painted.
#include "app/applicazione.h"
#include "misura.h"
#include "platform/aspetto.h"

int main(int argc, char** argv)
{
    QApplication programma(argc, argv);
    PrimoDisegno primo("FrmInizio");
    preparaAspetto(programma);
    PiattaformaQt piattaforma;
    Applicazione applicazione(piattaforma.servizi());
    applicazione.frmSfondo();
    return QApplication::exec();
}
