#include "doppi.h"

#include <QGuiApplication>
#include <QWidget>

void CasualeFinto::semina(double seme)
{
    semi.append(seme);
    riserva.semina(seme);
}

double CasualeFinto::prossimo()
{
    return valori.isEmpty() ? riserva.prossimo() : valori.dequeue();
}

int MessaggiFinti::mostra(const QString& testo, int stile, const QString& titolo)
{
    richieste.append({testo, stile, titolo});
    if (mentreAperto)
        mentreAperto(richieste.constLast());
    if (!risposte.isEmpty())
        return risposte.dequeue();
    return (stile & 7) == SiNo ? No : Ok;
}

void StampanteRegistro::disegnaTesto(const QString& testo, const QFont& fontTwips, int x, int y)
{
    if (!presente)
        return;
    testi.append({testo, x, y, font(), dimensione(), fontTwips.bold(), iniziati});
}

void StampanteRegistro::stampaImmagine(QWidget* finestra)
{
    if (!presente || !finestra)
        return;
    immagini.append({finestra->grab().toImage(), QRect(0, 0, finestra->width() * 15, finestra->height() * 15), iniziati});
}

Stampante::Esito StampanteRegistro::fineDocumento()
{
    ++iniziati;
    azzera();
    const QCursor* sopra = QGuiApplication::overrideCursor();
    cursoreAllaFine = sopra ? std::optional(sopra->shape()) : std::nullopt;
    if (!presente)
        return Esito::NessunaStampante;
    if (rifiuta)
        return Esito::Rifiutato;
    ++documenti;
    return Esito::Stampato;
}

QList<StampanteRegistro::Testo> StampanteRegistro::testiDel(int documento) const
{
    QList<Testo> scelti;
    for (const Testo& t : testi)
        if (t.documento == documento)
            scelti.append(t);
    return scelti;
}
