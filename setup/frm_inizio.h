#pragma once
// FrmInizio: the setup window, where the pupil gives a name and chooses mode and range.
#include "../platform/forma.h"

class Applicazione;

class FrmInizio : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmInizio(Applicazione& app);
    void Form_Load();

private:
    Applicazione& app;
};
