#include "frm_sfondo.h"

#include "../app/applicazione.h"

FrmSfondo::FrmSfondo(Applicazione& a) : FinestraFissa("FrmSfondo", 6000, 4000), app(a) {}

void FrmSfondo::Form_Load()
{
    show();
}
