// The problem on show: drawing it, showing it and opening its operation record.
#include "campo_risultato.h"
#include "frm_operativo_meno.h"
#include "generatore.h"
#include "../app/applicazione.h"
#include "../state/testo_numeri.h"

#include <QLabel>

void FrmOperativoMeno::livello()
{
    ::livello(app.modulo1, app.piattaforma.orologio, app.piattaforma.casuale);
}

void FrmOperativoMeno::visualizza()
{
    Modulo1& m = app.modulo1;
    LblNumero1->setText(testoSemplice(static_cast<long long>(m.Quoto) * m.Divisore));
    LblNumero2->setText(testoSemplice(m.Divisore));
    m.QuotoIntero = static_cast<int16_t>(m.Quoto);
    m.RispostaAttesa = testoRifilato(m.QuotoIntero);
    LblNumero1->move(forma::px(100), LblNumero1->y());
    LblNumero2->move(forma::px(8000), LblNumero2->y());
    TxtRisultato->move(forma::px(4000), TxtRisultato->y());
    m.SpazioQuoto2 = m.QuotoIntero < 10 ? QStringLiteral(" ") : QString();
    // Opening a record replaces whatever its slot held: every practice numbers its records from 1.
    QString& record = m.Operazioni[static_cast<std::size_t>(m.ContatoreOperazioni)];
    record = m.SpazioQuoto + testoSemplice(m.Quoto) + QStringLiteral(" :  ? = ");
    record += m.SpazioQuoto2 + testoSemplice(m.QuotoIntero);
    // The answer field is first in the keyboard order from the window's construction on.
    TxtRisultato->setText(QString());
    // An already empty field emits no change: a window opened again must not keep the answer typed
    // into the one closed before.
    m.Digitato.clear();
    LblEsito->setText(QString());
    LblIstruzione->setText(QStringLiteral(" Digita il risultato"));
    m.InizioTempo = app.piattaforma.orologio.secondiDallaMezzanotte();
}
