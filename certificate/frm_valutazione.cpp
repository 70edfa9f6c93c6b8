#include "frm_valutazione.h"

#include "../app/applicazione.h"

FrmValutazione::FrmValutazione(Applicazione& a) : FinestraFissa("FrmValutazione", 6000, 4000), app(a) {}

void FrmValutazione::Form_Load() {}
