#include "smistamento.h"

#include "../app/applicazione.h"
#include "../drill/campo_risultato.h"
#include "../drill/frm_operativo_meno.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

struct Tema {
    QColor sfondo;   // the window, the problem frame and the answer field
    QColor colore;   // the frames and buttons, through ColoreTema
};

void applicaTema(Applicazione& app, const Tema& tema)
{
    // The first touch creates the drill window, and its load step runs to the end before any colour.
    FrmOperativoMeno* f = app.frmOperativoMeno();
    forma::sfondo(f, tema.sfondo);
    forma::sfondo(f->frmNumero, tema.sfondo);
    forma::sfondo(f->TxtRisultato, tema.sfondo);
    forma::coloreTesto(f->TxtRisultato, forma::daEsadecimale(QStringLiteral("&H00004080")));
    app.modulo1.ColoreTema = QString::number(forma::compattato(tema.colore));
    coloraComandi(app);
}

struct Modo {
    void (*proprieta)(Applicazione&);
    const char* istruzione;   // UTF-8, with its leading blank
};

const Modo Modi[] = {
    {propriet1, " Calcola il quoto"},
    {propriet2, " Calcola il dividendo e divisore"},
    {propriet3, " Calcola il quoto, il dividendo e divisore secondo casaulità"},
};

} // namespace

void propriet1(Applicazione& app) { applicaTema(app, {QColor(250, 250, 200), QColor(240, 220, 150)}); }
void propriet2(Applicazione& app) { applicaTema(app, {QColor(200, 255, 255), QColor(200, 200, 255)}); }
void propriet3(Applicazione& app) { applicaTema(app, {QColor(255, 215, 220), QColor(240, 180, 220)}); }

void coloraComandi(Applicazione& app)
{
    FrmOperativoMeno* f = app.frmOperativoMeno();
    const QColor colore = forma::daCompattato(app.modulo1.ColoreTema.toLongLong());
    for (QWidget* controllo : std::initializer_list<QWidget*>{f->frmElaborazione, f->frmValutazione, f->CmdFine,
                                                              f->cmdSfondo, f->CmdVerifica, f->CmdOperazione,
                                                              f->CmdEsercizio, f->CmdStampa})
        forma::sfondo(controllo, colore);
}

void Smistamento(Applicazione& app, int modo)
{
    const Modo& scelto = Modi[modo];
    scelto.proprieta(app);
    const QString istruzione = QString::fromUtf8(scelto.istruzione);
    FrmOperativoMeno* f = app.frmOperativoMeno();
    f->Label1->setText(istruzione);
    // The certificate shows it even after the drill window has closed.
    app.modulo1.TestoIstruzione = istruzione;
    f->show();
    f->raise();
    f->activateWindow();
}
