#pragma once
// One run of the program: the shared variables, the platform services, and one accessor per window
// that creates the window (running its load step) when it is not open and returns the open one.
#include "../platform/piattaforma.h"
#include "../state/modulo1.h"

#include <QPointer>

class FrmOperativoMeno;
class FrmStampa;
class FrmAttestato;
class FrmInizio;
class FrmSfondo;
class FrmValutazione;

class Applicazione {
public:
    explicit Applicazione(const Piattaforma& servizi);
    ~Applicazione();
    Applicazione(const Applicazione&) = delete;
    Applicazione& operator=(const Applicazione&) = delete;

    Modulo1 modulo1;
    Piattaforma piattaforma;

    FrmOperativoMeno* frmOperativoMeno();
    FrmStampa* frmStampa();
    FrmAttestato* frmAttestato();
    FrmInizio* frmInizio();
    FrmSfondo* frmSfondo();
    FrmValutazione* frmValutazione();

    // The open window, or null; never creates one.
    FrmOperativoMeno* operativoMenoAperta() const;
    FrmStampa* stampaAperta() const;
    FrmAttestato* attestatoAperta() const;
    FrmInizio* inizioAperta() const;
    FrmSfondo* sfondoAperta() const;
    FrmValutazione* valutazioneAperta() const;

private:
    template <class Finestra> Finestra* accedi(QPointer<Finestra>& finestra);
    template <class Finestra> static Finestra* aperta(const QPointer<Finestra>& finestra);

    QPointer<FrmOperativoMeno> operativoMeno_;
    QPointer<FrmStampa> stampa_;
    QPointer<FrmAttestato> attestato_;
    QPointer<FrmInizio> inizio_;
    QPointer<FrmSfondo> sfondo_;
    QPointer<FrmValutazione> valutazione_;
};
