#include "frm_stampa.h"

#include "../app/applicazione.h"

FrmStampa::FrmStampa(Applicazione& a) : FinestraFissa("FrmStampa", 6000, 4000), app(a) {}

void FrmStampa::Form_Load() {}
