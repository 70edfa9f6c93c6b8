#include "frm_operativo_meno.h"

#include "campo_risultato.h"
#include "../app/applicazione.h"
#include "../certificate/frm_attestato.h"
#include "../review/frm_stampa.h"
#include "../state/testo_numeri.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

FrmOperativoMeno::FrmOperativoMeno(Applicazione& a) : FinestraFissa("FrmOperativoMeno", 11910, 8340), app(a)
{
    costruisci();
    collega();
    // Loaded with the window rather than at start-up, and still well before the first right answer.
    app.piattaforma.suono.prepara(suonoEsatto());
}

QString FrmOperativoMeno::suonoEsatto() const
{
    return app.piattaforma.programma.cartella() + QStringLiteral("/positivo.wav");
}

void FrmOperativoMeno::collega()
{
    for (QPushButton* tasto : Command)
        if (tasto)
            connect(tasto, &QPushButton::clicked, this, [this, tasto] { TastoCifra_Click(tasto); });
    connect(cmdCancella, &QPushButton::clicked, this, &FrmOperativoMeno::cmdCancella_Click);
    // textChanged runs inside every setText, so Digitato follows the field before the caller goes on.
    connect(TxtRisultato, &QLineEdit::textChanged, this, &FrmOperativoMeno::TxtRisultato_Change);
    TxtRisultato->filtro = [this](int& codice) { TxtRisultato_KeyPress(codice); };
    connect(TxtRisultato, &CampoRisultato::cliccato, this, &FrmOperativoMeno::TxtRisultato_Click);
    connect(CmdVerifica, &QPushButton::clicked, this, &FrmOperativoMeno::CmdVerifica_Click);
    connect(CmdOperazione, &QPushButton::clicked, this, &FrmOperativoMeno::CmdOperazione_Click);
    connect(CmdEsercizio, &QPushButton::clicked, this, &FrmOperativoMeno::CmdEsercizio_Click);
    connect(CmdStampa, &QPushButton::clicked, this, &FrmOperativoMeno::CmdStampa_Click);
    connect(CmdFine, &QPushButton::clicked, this, &FrmOperativoMeno::cmdFine_Click);
    connect(mnuStampa, &QAction::triggered, this, &FrmOperativoMeno::mnuStampa_Click);
    connect(mnuAttestato, &QAction::triggered, this, &FrmOperativoMeno::mnuAttestato_Click);
    connect(MnuEsci, &QAction::triggered, this, &FrmOperativoMeno::mnuEsci_Click);
}

void FrmOperativoMeno::Form_Load()
{
    Modulo1& m = app.modulo1;
    mnuStampa->setEnabled(false);
    mnuAttestato->setEnabled(false);
    setWindowTitle(QStringLiteral("ESERCIZI SULLE TARVOLINI.1"));
    forma::sfondo(Label2, QColor(250, 200, 110));
    forma::coloreTesto(Label2, forma::daEsadecimale(QStringLiteral("&H00000080")));
    forma::sfondo(Label1, QColor(255, 240, 150));
    forma::coloreTesto(Label1, QColor(250, 170, 110));
    forma::coloreTesto(TxtRisultato, forma::daEsadecimale(QStringLiteral("&H00004080")));
    Label2->setText(QStringLiteral(" Operazione con numero massimo da ") + testoSemplice(m.NumeroMinimo) +
                    QStringLiteral(" a ") + testoSemplice(m.NumeroMassimo));
    m.RisposteEsatte = 0;
    m.ContatoreOperazioni = 1;
    m.NumeroEsercizio = 1;
    m.NumeroOperazione = 1;
    LblEsercizio->setText(testoSemplice(m.NumeroEsercizio));
    LblOperazione->setText(testoSemplice(m.NumeroOperazione));
    // A new practice shows no time of an exercise that it has not reached yet.
    for (int esercizio = 1; esercizio <= 4; ++esercizio) {
        m.TempiTotali[static_cast<std::size_t>(esercizio)] = 0;
        m.TempiTotaliTesto[static_cast<std::size_t>(esercizio)].clear();
    }
    svuotaNumeriETempi();
    m.Errate = 0;
    m.Esatte = 0;
    CmdFine->show();
    CmdStampa->hide();
    CmdOperazione->hide();
    CmdVerifica->hide();
    if (!Riavvio) {
        CmdEsercizio->hide();
        TxtRisultato->blocca(false);
        livello();
        visualizza();
        return;
    }
    m.NumeroEsercizio = 0;
    m.ContatoreOperazioni = 0;
    prossimoEsercizio();
}

void FrmOperativoMeno::svuotaNumeriETempi()
{
    for (QLabel* etichetta : {LblTempoParziale, LblTempoTotale, LblNumero1, LblNumero2, LblEsito})
        etichetta->clear();
}

void FrmOperativoMeno::azzeraSegni()
{
    for (std::size_t k = 1; k <= 20; ++k)
        Image[k]->hide();
}

void FrmOperativoMeno::CmdOperazione_Click()
{
    Modulo1& m = app.modulo1;
    fraTastierino->setEnabled(true);
    m.Digitato.clear();
    LblTempoParziale->clear();
    ++m.ContatoreOperazioni;
    ++m.NumeroOperazione;
    LblOperazione->setText(testoSemplice(m.NumeroOperazione));
    CmdOperazione->hide();
    CmdVerifica->hide();
    CmdEsercizio->hide();
    TxtRisultato->setText(QString());
    livello();
    visualizza();
    TxtRisultato->blocca(false);
    TxtRisultato->setFocus();
}

void FrmOperativoMeno::CmdEsercizio_Click()
{
    // Once the practice is over (exercise 0), the button starts a new one, as a dropped practice does,
    // but leaves each record in place until the new practice reaches its slot.
    if (app.modulo1.NumeroEsercizio == 0) {
        Riavvio = true;
        Form_Load();
        return;
    }
    prossimoEsercizio();
}

void FrmOperativoMeno::prossimoEsercizio()
{
    Modulo1& m = app.modulo1;
    fraTastierino->setEnabled(true);
    azzeraSegni();
    ++m.NumeroEsercizio;
    ++m.ContatoreOperazioni;
    m.NumeroOperazione = 1;
    LblOperazione->setText(testoSemplice(m.NumeroOperazione));
    LblEsercizio->setText(testoSemplice(m.NumeroEsercizio));
    const auto esercizio = static_cast<std::size_t>(m.NumeroEsercizio);
    m.TempoRisposta = 0;
    m.TempiTotali[esercizio] = 0;
    m.TempoRispostaTesto.clear();
    m.TempiTotaliTesto[esercizio].clear();
    svuotaNumeriETempi();
    m.Esatte = 0;
    m.Errate = 0;
    CmdFine->show();
    CmdVerifica->hide();
    CmdOperazione->hide();
    CmdEsercizio->hide();
    CmdStampa->hide();
    TxtRisultato->blocca(false);
    livello();
    visualizza();
    TxtRisultato->setFocus();
}

void FrmOperativoMeno::mostraRevisione()
{
    FrmStampa* revisione = app.frmStampa();
    revisione->show();
    revisione->raise();
    revisione->activateWindow();
}

void FrmOperativoMeno::CmdStampa_Click()
{
    mostraRevisione();
    app.frmStampa()->cmdStampaS->setFocus();
}

void FrmOperativoMeno::mnuStampa_Click()
{
    mostraRevisione();
}

void FrmOperativoMeno::mnuAttestato_Click()
{
    FrmAttestato* attestato = app.frmAttestato();
    attestato->show();
    attestato->raise();
    attestato->activateWindow();
}

void FrmOperativoMeno::cmdFine_Click()
{
    close();
}

void FrmOperativoMeno::mnuEsci_Click()
{
    close();
}
