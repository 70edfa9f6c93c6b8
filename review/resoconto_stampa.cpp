// The printed report: one page with a heading, the records in two blocks of two columns and the
// total time of each exercise, placed in twips from the top-left of the printable area.
#include "font_courier.h"
#include "frm_stampa.h"

#include "../app/applicazione.h"
#include "../platform/avvisi_stampa.h"

#include <QPoint>
#include <algorithm>
#include <array>

namespace {

constexpr int RigaIniziale = 2000;   // top of the first record row
constexpr int PassoRiga = 400;
constexpr int Sinistra = 1000;
constexpr int Destra = 6000;

// Exercises 1 and 2 side by side on top, 3 and 4 below, one empty row between the blocks.
QPoint postoRecord(int indice)
{
    QPoint p(Sinistra, RigaIniziale + (indice - 1) * PassoRiga);
    if (indice > 10)
        p = {Destra, RigaIniziale + (indice - 11) * PassoRiga};
    if (indice > 20)
        p = {Sinistra, RigaIniziale + (indice - 10) * PassoRiga};
    if (indice > 30)
        p = {Destra, RigaIniziale + (indice - 20) * PassoRiga};
    return p;
}

constexpr std::array<QPoint, 4> PostoTotale{{{Sinistra, 11000}, {Destra, 11000}, {Sinistra, 12000}, {Destra, 12000}}};

void posiziona(Stampante& stampante, const QPoint& p)
{
    stampante.impostaX(p.x());
    stampante.impostaY(p.y());
}

} // namespace

void FrmStampa::stampaOperazioni()
{
    Stampante& stampante = app.piattaforma.stampante;
    Messaggi& messaggi = app.piattaforma.messaggi;
    const QString font = cercaFontCourier(stampante, messaggi);
    if (font.isEmpty() || !stampanteDisponibile(stampante, messaggi))
        return;
    Attesa attesa;
    stampante.impostaFont(font);
    intestazione();

    Modulo1& m = app.modulo1;
    stampante.impostaDimensione(12);
    stampante.impostaGrassetto(true);
    // The page has room for one practice: records after the 40th would run into the totals.
    const int ultimo = std::min(m.ContatoreOperazioni, Modulo1::OperazioniPerPratica);
    for (m.Indice = 1; m.Indice <= ultimo; ++m.Indice) {
        posiziona(stampante, postoRecord(m.Indice));
        stampante.stampa(m.Operazioni.at(m.Indice));
    }
    for (m.Indice = 1; m.Indice <= 4; ++m.Indice) {
        stampante.aCapo();
        posiziona(stampante, PostoTotale.at(m.Indice - 1));
        stampante.stampa(QStringLiteral("Eser. n.%1: Tempo tot. ").arg(m.Indice) + m.TempiTotaliTesto.at(m.Indice) +
                         QStringLiteral(" secondi"));
    }
    concludiStampa(stampante, messaggi, &attesa);
}

void FrmStampa::intestazione()
{
    Stampante& stampante = app.piattaforma.stampante;
    posiziona(stampante, {1000, 1000});
    stampante.impostaDimensione(18);
    stampante.impostaGrassetto(false);   // only the body is bold
    stampante.stampa(QStringLiteral("SCUOLA ELEMENTARE DI_____________________   "), false);
    posiziona(stampante, {1000, 1500});
    stampante.impostaDimensione(12);
}
