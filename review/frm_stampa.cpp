#include "frm_stampa.h"

#include "../app/applicazione.h"

#include <QPushButton>

FrmStampa::FrmStampa(Applicazione& a) : FinestraFissa("FrmStampa", 6000, 4000), app(a)
{
    cmdStampaS = new QPushButton(QStringLiteral("STAMPA LE OPERAZIONI"), area());
}

void FrmStampa::Form_Load() {}
