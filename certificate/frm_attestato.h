#pragma once
// FrmAttestato: the certificate window, with the pupil's grade, printable.
#include "../platform/forma.h"

class Applicazione;
class Pergamena;
class QFrame;
class QLabel;
class QPushButton;

class FrmAttestato : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmAttestato(Applicazione& app);
    void Form_Load();
    // Activation step: every variable text recomputed from the shared variables of this moment.
    void Form_Activate();

    void Command2_Click();
    void Command1_Click();
    void CmdFine_Click();

    QFrame* Frame2 = nullptr;
    QFrame* Frame1 = nullptr;
    Pergamena* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblNome = nullptr;
    QLabel* lblMotivo = nullptr;
    QLabel* lblObiettivo1 = nullptr;
    QLabel* lblObiettivo3 = nullptr;
    QLabel* lblObiettivo2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblRapporto = nullptr;
    QLabel* lblPerche = nullptr;
    QLabel* lblData = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* CmdFine = nullptr;

protected:
    bool event(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    // Enter anywhere in the window presses the default button, Command2.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void costruisci();
    void mostraPulsanti(bool visibili);

    Applicazione& app;
    bool mostrata = false;
};
