#pragma once
// FrmStampa: the review window, listing the practice's operation records and printing them.
#include "../platform/forma.h"

class Applicazione;
class QPushButton;

class FrmStampa : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmStampa(Applicazione& app);
    void Form_Load();

    // The print button, which the drill window gives the focus.
    QPushButton* cmdStampaS = nullptr;

private:
    Applicazione& app;
};
