// The review window's layout: every control's place and size in twips and its look, in one place.
#include "frm_stampa.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

namespace {

using forma::Aspetto;
using forma::carattere;

constexpr int Larghezza = 11910;
constexpr int Altezza = 8340;
const QColor Azzurro(128, 255, 255);
const QColor AzzurroChiaro(192, 255, 255);
const QColor Rosa(255, 192, 255);
const QColor Rosso(192, 0, 0);

// The record labels: four columns of ten, one column per exercise.
constexpr std::array<int, 4> SinistraColonna{180, 3105, 6030, 8955};
constexpr int AltoPrimaRiga = 900;
constexpr int PassoRiga = 450;
constexpr int LarghezzaOp = 2895;
constexpr int AltezzaOp = 435;

QRect postoLblOp(int numero)
{
    const int colonna = (numero - 1) / 10;
    const int riga = (numero - 1) % 10;
    return {SinistraColonna.at(colonna), AltoPrimaRiga + PassoRiga * riga, LarghezzaOp, AltezzaOp};
}

template <class Controllo> struct Voce {
    Controllo* FrmStampa::*campo;
    const char* nome;
    QString testo;
    QRect twips;   // left, top, width, height
    Aspetto aspetto;
};

} // namespace

void FrmStampa::costruisci()
{
    const Aspetto tempo{carattere("MS Sans Serif", 9.75, true), AzzurroChiaro, std::nullopt,
                        Qt::AlignLeft | Qt::AlignTop, true};
    Aspetto tempoPiccolo = tempo;
    tempoPiccolo.font = carattere("MS Sans Serif", 8.25, true);
    const Aspetto azzurro{carattere("Arial", 11.25, true), Azzurro, std::nullopt};

    const std::vector<Voce<QLabel>> etichette{
        {&FrmStampa::Label5, "Label5", "E S E R C I Z I   E S E G U I T I ", {510, 210, 10725, 525},
         {carattere("Arial", 15.75, true), std::nullopt, Rosso, Qt::AlignHCenter | Qt::AlignTop}},
        {&FrmStampa::Label1, "Label1", "Tempo totale", {510, 5520, 2475, 525}, tempo},
        {&FrmStampa::Label2, "Label2", "Tempo totale", {3240, 5520, 2445, 525}, tempo},
        {&FrmStampa::Label3, "Label3", "Tempo totale", {6000, 5520, 2475, 525}, tempo},
        {&FrmStampa::Label4, "Label4", "Tempo totale", {8910, 5520, 2445, 525}, tempoPiccolo},
        {&FrmStampa::Label6, "Label6", "", {90, 7980, 2565, 195}, {carattere("MS Sans Serif", 8.25), std::nullopt, std::nullopt}},
    };
    const std::vector<Voce<QPushButton>> pulsanti{
        {&FrmStampa::Command1, "Command1", "ESCI", {1650, 6390, 2955, 585}, azzurro},
        {&FrmStampa::cmdStampaS, "cmdStampaS", "STAMPA LE OPERAZIONI", {4920, 6390, 2955, 585}, azzurro},
        {&FrmStampa::Command2, "Command2", "Visualizza attestato", {8190, 6390, 2955, 585},
         {carattere("Arial", 12, true), Rosa, std::nullopt}},
    };
    const Aspetto record{carattere("Courier", 9.75), AzzurroChiaro, Rosso};

    setWindowTitle(QStringLiteral("STAMPA DELLE OPERAZIONI"));
    // A fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    area()->setFixedSize(forma::px(Larghezza), forma::px(Altezza));
    forma::sfondo(area(), Azzurro);

    for (const auto& v : etichette)
        this->*v.campo = forma::etichetta(area(), v.nome, v.testo, v.twips, v.aspetto);
    for (int n = 1; n <= NumeroEtichette; ++n) {
        const QByteArray nome = "LblOp(" + QByteArray::number(n) + ')';
        lblOp_.at(n - 1) = forma::etichetta(area(), nome.constData(), {}, postoLblOp(n), record);
    }
    for (const auto& v : pulsanti)
        this->*v.campo = forma::pulsante(area(), v.nome, v.testo, v.twips, v.aspetto);

    MnuFile = menuBar()->addMenu(QStringLiteral("File"));
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    MnuEsci = MnuFile->addAction(QStringLiteral("Esci"));
    MnuEsci->setObjectName(QStringLiteral("MnuEsci"));
    fissa();
}
