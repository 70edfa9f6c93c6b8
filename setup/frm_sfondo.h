#pragma once
// FrmSfondo: the backdrop that fills the screen under the program's windows.
#include "../platform/forma.h"

class Applicazione;

class FrmSfondo : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmSfondo(Applicazione& app);
    void Form_Load();

private:
    Applicazione& app;
};
