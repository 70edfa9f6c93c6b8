// Answer entry: the keypad, the answer field's handlers and the Verify button.
#include "campo_risultato.h"
#include "frm_operativo_meno.h"
#include "../app/applicazione.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

void FrmOperativoMeno::TastoCifra_Click(QPushButton* tasto)
{
    Modulo1& m = app.modulo1;
    // The keypad is held to the field's length too, so that the field and Digitato always agree.
    if (m.Digitato.size() + tasto->text().size() > Modulo1::RispostaMassima) {
        app.piattaforma.suono.beep();
        return;
    }
    m.Digitato += tasto->text();
    TxtRisultato->setText(m.Digitato);
}

void FrmOperativoMeno::cmdCancella_Click()
{
    app.modulo1.Digitato.clear();
    TxtRisultato->setText(QString());
}

void FrmOperativoMeno::TxtRisultato_Change()
{
    app.modulo1.Digitato = TxtRisultato->text();
    if (TxtRisultato->text().isEmpty())
        return;
    CmdFine->hide();
    CmdStampa->hide();
    CmdVerifica->show();
    LblIstruzione->setText(QStringLiteral("Clicca sul pulsante Verifica"));
}

void FrmOperativoMeno::TxtRisultato_KeyPress(int& KeyAscii)
{
    const bool cifra = KeyAscii >= '0' && KeyAscii <= '9';
    if (!cifra && KeyAscii != '\r' && KeyAscii != '\b') {
        app.piattaforma.suono.beep();
        KeyAscii = 0;
    }
    if (KeyAscii == '\r')
        percorsoInvio();
}

void FrmOperativoMeno::percorsoInvio()
{
    Modulo1& m = app.modulo1;
    if (TxtRisultato->text().isEmpty()) {
        m.Messaggio = QStringLiteral("Hai dimenticato il risultato");
        m.TitoloMessaggio = QStringLiteral("distrazione");
        m.Scelta = app.piattaforma.messaggi.mostra(m.Messaggio, m.StileMessaggio, m.TitoloMessaggio);
        TxtRisultato->setFocus();
        return;
    }
    if (m.NumeroOperazione == Modulo1::OperazioniPerEsercizio) {
        CmdEsercizio->show();
        CmdEsercizio->setFocus();
    } else {
        CmdVerifica->hide();
        CmdOperazione->show();
        CmdOperazione->setFocus();
    }
    TxtRisultato->blocca(true);
    controllo();
}

void FrmOperativoMeno::TxtRisultato_Click()
{
    // The focus can only go to a button that is there; otherwise the field keeps it.
    if (!CmdOperazione->isHidden() && CmdOperazione->isEnabled())
        CmdOperazione->setFocus();
}

void FrmOperativoMeno::CmdVerifica_Click()
{
    TxtRisultato->blocca(true);
    controllo();
}
