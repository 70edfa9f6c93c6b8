#pragma once
// Every service of the platform that the windows use, handed to the program as one bundle.
#include "avvio.h"
#include "casuale.h"
#include "messaggi.h"
#include "orologio.h"
#include "programma.h"
#include "stampante.h"
#include "suono.h"

struct Piattaforma {
    Orologio& orologio;
    Casuale& casuale;
    Messaggi& messaggi;
    Suono& suono;
    Avvio& avvio;
    Programma& programma;
    Stampante& stampante;
};

// The real services of a running program.
class PiattaformaQt {
public:
    Piattaforma servizi();

private:
    OrologioSistema orologio;
    CasualeMersenne casuale;
    MessaggiQt messaggi;
    ProgrammaQt programma;
    SuonoQt suono{programma.cartella()};   // after programma: the sound module lies in its folder
    AvvioQt avvio;
    StampanteQt stampante;
};
