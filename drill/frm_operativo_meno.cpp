#include "frm_operativo_meno.h"

#include "../app/applicazione.h"

FrmOperativoMeno::FrmOperativoMeno(Applicazione& a) : FinestraFissa("FrmOperativoMeno", 11910, 8340), app(a) {}

void FrmOperativoMeno::Form_Load() {}
