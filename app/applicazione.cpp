#include "applicazione.h"

#include "../certificate/frm_attestato.h"
#include "../certificate/frm_valutazione.h"
#include "../drill/frm_operativo_meno.h"
#include "../review/frm_stampa.h"
#include "../setup/frm_inizio.h"
#include "../setup/frm_sfondo.h"

Applicazione::Applicazione(const Piattaforma& servizi) : piattaforma(servizi) {}

Applicazione::~Applicazione()
{
    delete operativoMeno_;
    delete stampa_;
    delete attestato_;
    delete inizio_;
    delete sfondo_;
    delete valutazione_;
}

template <class Finestra> Finestra* Applicazione::aperta(const QPointer<Finestra>& finestra)
{
    // A closed window lingers until the event loop deletes it: it no longer counts as open.
    return finestra && !finestra->chiusa() ? finestra.data() : nullptr;
}

template <class Finestra> Finestra* Applicazione::accedi(QPointer<Finestra>& finestra)
{
    if (!aperta(finestra)) {
        finestra = new Finestra(*this);
        finestra->Form_Load();
    }
    return finestra;
}

FrmOperativoMeno* Applicazione::frmOperativoMeno() { return accedi(operativoMeno_); }
FrmStampa* Applicazione::frmStampa() { return accedi(stampa_); }
FrmAttestato* Applicazione::frmAttestato() { return accedi(attestato_); }
FrmInizio* Applicazione::frmInizio() { return accedi(inizio_); }
FrmSfondo* Applicazione::frmSfondo() { return accedi(sfondo_); }
FrmValutazione* Applicazione::frmValutazione() { return accedi(valutazione_); }

FrmOperativoMeno* Applicazione::operativoMenoAperta() const { return aperta(operativoMeno_); }
FrmStampa* Applicazione::stampaAperta() const { return aperta(stampa_); }
FrmAttestato* Applicazione::attestatoAperta() const { return aperta(attestato_); }
FrmInizio* Applicazione::inizioAperta() const { return aperta(inizio_); }
FrmSfondo* Applicazione::sfondoAperta() const { return aperta(sfondo_); }
FrmValutazione* Applicazione::valutazioneAperta() const { return aperta(valutazione_); }
