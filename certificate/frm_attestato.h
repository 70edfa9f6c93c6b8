#pragma once
// FrmAttestato: the certificate window, with the pupil's grade, printable.
#include "../platform/forma.h"

class Applicazione;

class FrmAttestato : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmAttestato(Applicazione& app);
    void Form_Load();

private:
    Applicazione& app;
};
