// The verification of an answer: verdict, faces, times, the completed record and the end of the practice.
#include "campo_risultato.h"
#include "frm_operativo_meno.h"
#include "../app/applicazione.h"
#include "../state/testo_numeri.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace {
constexpr double SecondiDelGiorno = 24 * 60 * 60;
}

void FrmOperativoMeno::controllo()
{
    Modulo1& m = app.modulo1;
    fraTastierino->setEnabled(false);

    // Texts are compared as typed: "07" is not the answer 7.
    if (m.Digitato == m.RispostaAttesa) {
        // Played on its own: a missing file or device is never reported and never waited for.
        app.piattaforma.suono.riproduci(suonoEsatto());
        LblEsito->setText(QStringLiteral("E S A T T O"));
        ++m.Esatte;
        ++m.RisposteEsatte;
        Segno = QStringLiteral(" ");
        if (m.Esatte >= 1 && m.Esatte <= 10)
            Image[static_cast<std::size_t>(m.Esatte)]->show();
    } else {
        LblEsito->setText(QStringLiteral("E R R A T O"));
        ++m.Errate;
        Segno = QStringLiteral("*");
        if (m.Errate >= 1 && m.Errate <= 10)
            Image[static_cast<std::size_t>(10 + m.Errate)]->show();
    }

    if (m.NumeroOperazione == Modulo1::OperazioniPerEsercizio) {
        CmdEsercizio->show();
        CmdFine->show();
        CmdStampa->show();
        CmdOperazione->hide();
        CmdVerifica->hide();
        LblIstruzione->setText(QStringLiteral("Clicca sul pulsante Nuovo esercizio"));
    } else {
        CmdOperazione->show();
        CmdVerifica->hide();
        CmdOperazione->setFocus();
        LblIstruzione->setText(QStringLiteral("Clicca sul pulsante Nuova sottrazione"));
    }

    m.FineTempo = app.piattaforma.orologio.secondiDallaMezzanotte();
    double trascorsi = m.FineTempo - m.InizioTempo;
    // The clock starts again at midnight: an answer across it is timed as if the clock had gone on.
    if (trascorsi < 0)
        trascorsi += SecondiDelGiorno;
    m.TempoRisposta = static_cast<int>(std::floor(trascorsi));
    m.TempoRispostaTesto = testoConSpazio(m.TempoRisposta);
    const auto esercizio = static_cast<std::size_t>(m.NumeroEsercizio);
    m.TempiTotali[esercizio] += m.TempoRisposta;
    m.TempiTotaliTesto[esercizio] = testoConSpazio(m.TempiTotali[esercizio]);
    // Only the labels are capped; the record and the totals keep the full values.
    LblTempoParziale->setText(m.TempoRisposta <= Modulo1::TettoTempoRisposta
                                  ? m.TempoRispostaTesto
                                  : testoSemplice(Modulo1::TettoTempoRisposta));
    LblTempoTotale->setText(m.TempiTotali[esercizio] <= Modulo1::TettoTempoEsercizio
                                ? m.TempiTotaliTesto[esercizio]
                                : testoSemplice(Modulo1::TettoTempoEsercizio));

    const QString risposta = TxtRisultato->text();
    // An empty answer keeps the pad of the answer before it.
    if (risposta.size() >= 1 && risposta.size() <= Modulo1::RispostaMassima)
        m.SpazioDigitato = QString(Modulo1::RispostaMassima + 1 - risposta.size(), QLatin1Char(' '));
    m.SpazioTempo = m.TempoRisposta < 10 ? QStringLiteral(" ") : QString();
    m.Operazioni[static_cast<std::size_t>(m.ContatoreOperazioni)] += m.SpazioDigitato + QLatin1Char('(') + risposta +
                                                                     QLatin1Char(')') + Segno + m.SpazioTempo +
                                                                     m.TempoRispostaTesto + QStringLiteral(" Tp");

    if (m.ContatoreOperazioni > Modulo1::SogliaRevisione) {
        mnuStampa->setEnabled(true);
        mnuAttestato->setEnabled(true);
    }
    if (m.ContatoreOperazioni == Modulo1::OperazioniPerPratica)
        concludiPratica();
}

void FrmOperativoMeno::concludiPratica()
{
    Modulo1& m = app.modulo1;
    m.NumeroEsercizio = 0;
    m.Messaggio = QStringLiteral("Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni eseguite?\r"
                                 "(Se rispondi NO l'esercizio sarà perso)");
    m.TitoloMessaggio = QStringLiteral("FINE ESERCITAZIONE");
    m.Scelta = app.piattaforma.messaggi.mostra(m.Messaggio, Messaggi::SiNo | Messaggi::Informazione, m.TitoloMessaggio);
    if (m.Scelta == Messaggi::Si) {
        mostraRevisione();
        return;
    }
    for (int slot = 1; slot <= Modulo1::OperazioniPerPratica; ++slot)
        m.Operazioni[static_cast<std::size_t>(slot)].clear();
    Riavvio = true;
    Form_Load();
}
