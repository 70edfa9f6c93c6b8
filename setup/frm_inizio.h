#pragma once
// FrmInizio: the setup window, where the pupil gives a name and chooses mode and range.
#include "../platform/forma.h"

class Applicazione;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class FrmInizio : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmInizio(Applicazione& app);
    void Form_Load();

    QLabel* Label5 = nullptr;        // the big title
    QComboBox* Combo1 = nullptr;     // the mode list
    QFrame* Frame2 = nullptr;        // the name panel, over the range panel
    QLineEdit* txtNome = nullptr;
    QPushButton* cmdAvanti = nullptr;
    QPushButton* cmdFine = nullptr;
    QFrame* Frame1 = nullptr;        // the range panel
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command9 = nullptr;
    QLabel* Label1 = nullptr;        // the credit line
    QAction* mnuEsci = nullptr;
    QAction* mnuInfo = nullptr;
    QAction* mnuValutazione = nullptr;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    // Every way out of the window ends here, once: the backdrop goes first.
    void allaChiusura() override;

private:
    void costruisciMenu();
    void collega();
    // Receives the character code of each key typed into the name field; 0 discards it.
    void txtNome_KeyPress(int& KeyAscii);
    void accettaNome();
    void sceltaFascia(int fascia);
    void mnuInfo_Click();
    void mnuValutazione_Click();

    Applicazione& app;
};
