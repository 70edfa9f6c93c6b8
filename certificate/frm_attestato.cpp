#include "frm_attestato.h"

#include "../app/applicazione.h"

FrmAttestato::FrmAttestato(Applicazione& a) : FinestraFissa("FrmAttestato", 6000, 4000), app(a) {}

void FrmAttestato::Form_Load() {}
