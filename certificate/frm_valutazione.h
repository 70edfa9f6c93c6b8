#pragma once
// FrmValutazione: the rating-scale window, naming the grades.
#include "../platform/forma.h"

class Applicazione;

class FrmValutazione : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmValutazione(Applicazione& app);
    void Form_Load();

private:
    Applicazione& app;
};
