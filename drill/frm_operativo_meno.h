#pragma once
// FrmOperativoMeno: the drill window, where a practice of 4 exercises of 10 division problems is worked.
#include "../platform/forma.h"

#include <QString>
#include <array>

class Applicazione;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class FrmOperativoMeno : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmOperativoMeno(Applicazione& app);

    // Load step: starts a practice (a first one, or again after a dropped practice when Riavvio is set).
    void Form_Load();

    // Controls that the mode themes colour and label.
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* frmNumero = nullptr;
    QLineEdit* TxtRisultato = nullptr;
    QGroupBox* frmValutazione = nullptr;
    QGroupBox* frmElaborazione = nullptr;
    QPushButton* CmdStampa = nullptr;
    QPushButton* CmdFine = nullptr;
    QPushButton* CmdEsercizio = nullptr;
    QPushButton* CmdOperazione = nullptr;
    QPushButton* CmdVerifica = nullptr;
    QPushButton* cmdSfondo = nullptr;

    bool Riavvio = false;
    QString Segno;

private:
    Applicazione& app;
};
