#include "avvisi_stampa.h"

bool stampanteDisponibile(const Stampante& stampante, Messaggi& messaggi)
{
    if (stampante.disponibile())
        return true;
    messaggi.mostra(TestoNessunaStampante, Messaggi::SoloOk);
    return false;
}

bool concludiStampa(Stampante& stampante, Messaggi& messaggi, Attesa* attesa)
{
    const Stampante::Esito esito = stampante.fineDocumento();
    if (attesa)
        attesa->fine();
    switch (esito) {
    case Stampante::Esito::Stampato:
        return true;
    case Stampante::Esito::NessunaStampante:
        messaggi.mostra(TestoNessunaStampante, Messaggi::SoloOk);
        return false;
    case Stampante::Esito::Rifiutato:
        messaggi.mostra(TestoStampaRifiutata, Messaggi::SoloOk);
        return false;
    }
    return false;
}
