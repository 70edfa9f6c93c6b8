#pragma once
// FrmOperativoMeno: the drill window, where a practice of 4 exercises of 10 division problems is worked.
// The class is spread over a few files: the layout table (disposizione_operativo.cpp), the problem on
// show (problema.cpp), the answer entry (inserimento_risposta.cpp), the verification (verifica.cpp)
// and the steps of the practice (frm_operativo_meno.cpp).
#include "../platform/forma.h"

#include <QString>
#include <array>

class Applicazione;
class CampoRisultato;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
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
    CampoRisultato* TxtRisultato = nullptr;
    QGroupBox* frmValutazione = nullptr;
    QGroupBox* frmElaborazione = nullptr;
    QPushButton* CmdStampa = nullptr;
    QPushButton* CmdFine = nullptr;
    QPushButton* CmdEsercizio = nullptr;
    QPushButton* CmdOperazione = nullptr;
    QPushButton* CmdVerifica = nullptr;
    QPushButton* cmdSfondo = nullptr;

    // The other controls.
    QLabel* LblEsito = nullptr;
    QLabel* LblIstruzione = nullptr;
    QLabel* LblNumero1 = nullptr;
    QLabel* LblSegno = nullptr;
    QLabel* LblUguale = nullptr;
    QLabel* LblNumero2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* LblContatore = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* LblEsercizio = nullptr;
    QLabel* LblOperazione = nullptr;
    QLabel* LblTempoParziale = nullptr;
    QLabel* LblTempoTotale = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QFrame* Line4 = nullptr;
    // Image[1] to Image[10] smile for right answers, Image[11] to Image[20] frown for wrong ones.
    std::array<QLabel*, 21> Image{};
    QGroupBox* fraTastierino = nullptr;
    // The keypad's digit keys keep their own numbers: Command[2] ("1") to Command[13] ("0").
    std::array<QPushButton*, 14> Command{};
    QPushButton* cmdCancella = nullptr;
    QMenu* MnuFile = nullptr;
    QAction* mnuStampa = nullptr;
    QAction* mnuAttestato = nullptr;
    QAction* mnuseparatore = nullptr;
    QAction* MnuEsci = nullptr;

    bool Riavvio = false;
    QString Segno;

    // The problem.
    void livello();
    void visualizza();
    void controllo();
    void azzeraSegni();

    // Answer entry.
    void TastoCifra_Click(QPushButton* tasto);
    void cmdCancella_Click();
    void TxtRisultato_Change();
    void TxtRisultato_KeyPress(int& KeyAscii);
    void TxtRisultato_Click();
    void CmdVerifica_Click();

    // Steps of the practice and ways out.
    void CmdOperazione_Click();
    void CmdEsercizio_Click();
    void CmdStampa_Click();
    void mnuStampa_Click();
    void mnuAttestato_Click();
    void cmdFine_Click();
    void mnuEsci_Click();

private:
    void costruisci();
    void collega();
    void percorsoInvio();
    void prossimoEsercizio();
    // Empties the problem's numbers, the verdict and both time labels at the start of a practice or exercise.
    void svuotaNumeriETempi();
    void concludiPratica();
    void mostraRevisione();
    // The chime of a right answer, in the program's folder.
    QString suonoEsatto() const;

    Applicazione& app;
};
