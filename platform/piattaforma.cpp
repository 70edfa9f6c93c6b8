#include "piattaforma.h"

Piattaforma PiattaformaQt::servizi()
{
    return {orologio, casuale, messaggi, suono, avvio, programma, stampante};
}
