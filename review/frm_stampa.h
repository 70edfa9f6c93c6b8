#pragma once
// FrmStampa: the review window, listing the practice's operation records and printing them.
#include "../platform/forma.h"

#include <QPoint>
#include <array>

class Applicazione;
class QAction;
class QLabel;
class QMenu;
class QMoveEvent;
class QPushButton;

class FrmStampa : public FinestraFissa {
    Q_OBJECT
public:
    static constexpr int NumeroEtichette = 40;   // one label per problem of a practice

    explicit FrmStampa(Applicazione& app);

    // Load step: finds the printer's Courier font, then copies the records and the exercise times.
    void Form_Load();

    // Prints the practice on one page of the default printer, reading the records as they are now.
    void stampaOperazioni();

    // The record labels, numbered 1 to 40 like the records they show.
    QLabel* LblOp(int numero) const { return lblOp_.at(numero - 1); }

    QLabel* Label5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Command1 = nullptr;
    // The print button, which the drill window gives the focus.
    QPushButton* cmdStampaS = nullptr;
    QPushButton* Command2 = nullptr;
    QMenu* MnuFile = nullptr;
    QAction* MnuEsci = nullptr;

protected:
    void moveEvent(QMoveEvent* evento) override;

private:
    void costruisci();
    void intestazione();

    void Command1_Click();
    void cmdStampaS_Click();
    void Command2_Click();
    void MnuEsci_Click();

    Applicazione& app;
    std::array<QLabel*, NumeroEtichette> lblOp_{};
    QPoint posto;   // where the window was centred; it stays there
};
