#include "frm_stampa.h"

#include "../app/applicazione.h"
#include "../certificate/frm_attestato.h"

#include <QAction>
#include <QMoveEvent>
#include <QPushButton>

FrmStampa::FrmStampa(Applicazione& a) : FinestraFissa("FrmStampa", 0, 0), app(a)   // sized by its layout
{
    costruisci();
    centra();
    posto = pos();
    connect(Command1, &QPushButton::clicked, this, &FrmStampa::Command1_Click);
    connect(cmdStampaS, &QPushButton::clicked, this, &FrmStampa::cmdStampaS_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmStampa::Command2_Click);
    connect(MnuEsci, &QAction::triggered, this, &FrmStampa::MnuEsci_Click);
}

void FrmStampa::Command1_Click()
{
    // Only this way out forgets the exercise times; the menu and the close box keep them.
    for (int esercizio = 1; esercizio <= 4; ++esercizio)
        app.modulo1.TempiTotaliTesto.at(esercizio).clear();
    close();
}

void FrmStampa::cmdStampaS_Click()
{
    stampaOperazioni();
}

void FrmStampa::Command2_Click()
{
    FrmAttestato* attestato = app.frmAttestato();
    if (attestato->chiusa())   // its own load step gave up and closed it
        return;
    attestato->show();
    attestato->raise();
    attestato->activateWindow();
}

void FrmStampa::MnuEsci_Click()
{
    close();
}

void FrmStampa::moveEvent(QMoveEvent* evento)
{
    FinestraFissa::moveEvent(evento);
    // The pupil cannot drag the window away: once shown it goes back to where it was centred.
    if (isVisible() && pos() != posto)
        move(posto);
}
