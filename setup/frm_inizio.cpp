#include "frm_inizio.h"

#include "../app/applicazione.h"

FrmInizio::FrmInizio(Applicazione& a) : FinestraFissa("FrmInizio", 6000, 4000), app(a) {}

void FrmInizio::Form_Load() {}
