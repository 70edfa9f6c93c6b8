#pragma once
// FrmStampa: the review window, listing the practice's operation records and printing them.
#include "../platform/forma.h"

class Applicazione;

class FrmStampa : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmStampa(Applicazione& app);
    void Form_Load();

private:
    Applicazione& app;
};
