#include "font_courier.h"

#include "../platform/messaggi.h"
#include "../platform/stampante.h"

QString cercaFontCourier(const Stampante& stampante, Messaggi& messaggi)
{
    for (int i = 0; i < stampante.numeroFont(); ++i) {
        QString nome = stampante.nomeFont(i);
        if (nome == Courier || nome == CourierNew)
            return nome;
    }
    messaggi.mostra(TestoFontMancante, Messaggi::SoloOk);
    return {};
}
