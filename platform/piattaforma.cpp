#include "piattaforma.h"

PiattaformaQt::PiattaformaQt()
{
    suono.prepara(programma.cartella() + QStringLiteral("/positivo.wav"));
}

Piattaforma PiattaformaQt::servizi()
{
    return {orologio, casuale, messaggi, suono, avvio, programma, stampante};
}
