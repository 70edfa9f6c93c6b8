#include "frm_inizio.h"

#include "../app/applicazione.h"
#include "../certificate/frm_valutazione.h"
#include "../platform/immagini.h"
#include "frm_sfondo.h"
#include "smistamento.h"
#include "tavola_controlli.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

using tavola::Tipo;

const tavola::Carattere Arial975b{"Arial", 9.75, true};
const tavola::Carattere Arial2175b{"Arial", 21.75, true};
const tavola::Carattere Arial18b{"Arial", 18, true};

// clang-format off
const tavola::Controllo Controlli[] = {
    // name        kind              in           left   top    width  height background          text colour       font                      text
    {"frmTitolo",  Tipo::Cornice,    "",            30,    90, 11745, 1845, QColor(192,255,192), {},               {}},
    {"Label9",     Tipo::Etichetta,  "frmTitolo", 9105,   420,  2550,  960, {},                  QColor(192,0,0),  {"Arial", 14.25},         "Attività di controllo     Stampa operazioni Stampa valutazione"},
    {"Label5",     Tipo::Etichetta,  "frmTitolo",  285,   285,  8640, 1095, QColor(0,255,255),   QColor(192,0,0),  {"Arial", 44.25, true},   "", true},
    {"Shape2",     Tipo::Arrotondato,"frmTitolo",  120,    60, 11595, 1515, QColor(128,255,255), {},               {},                       "", false, 1},
    {"Shape1",     Tipo::Arrotondato,"frmTitolo",   90,    90, 11655, 1515, QColor(0,192,192),   {},               {},                       "", false, 2},
    {"Combo1",     Tipo::Elenco,     "",           195,  2070, 11385,  525, QColor(255,255,192), {},               {"Arial", 18}},
    {"Image1",     Tipo::Immagine,   "",           360,  2820,  4560, 4560, {},                  {},               {},                       "", false, 1},
    {"Frame2",     Tipo::Cornice,    "",          5010,  3135,  6720, 4500, QColor(255,192,255), {},               {},                       "", false, 1},
    {"Label4",     Tipo::Etichetta,  "Frame2",     720,   195,  4950,  465, {},                  QColor(192,0,0),  {"Arial", 14.25, true},   "   IMMETTI   IL  TUO  NOME", true},
    {"txtNome",    Tipo::CampoTesto, "Frame2",     240,   855,  5940,  690, QColor(255,192,255), QColor(192,0,0),  Arial2175b,               "", true},
    {"Label7",     Tipo::Etichetta,  "Frame2",     255,  1530,  5925,  300, {},                  {},               {},                       "Il nome viene troncato automaticamente alla 15a lettera", true},
    {"Label3",     Tipo::Etichetta,  "Frame2",     270,  1740,  5925,  300, {},                  {},               {},                       "Presta attenzione all'ortografia", true},
    {"Label8",     Tipo::Etichetta,  "Frame2",    1395,  2040,  3825,  480, {},                  QColor(128,0,128),{"Arial", 24},            "Buon lavoro", true},
    {"cmdAvanti",  Tipo::Pulsante,   "Frame2",    2010,  2700,  2700,  675, QColor(255,255,0),   {},               Arial2175b,               "AVANTI"},
    {"cmdFine",    Tipo::Pulsante,   "Frame2",     300,  3825,  6210,  510, QColor(255,128,255), {},               Arial2175b,               "E S C I"},
    {"Frame1",     Tipo::Cornice,    "",          5010,  3030,  6750, 4530, QColor(192,255,192), {},               {},                       "", false, 1},
    {"Command1",   Tipo::Pulsante,   "Frame1",     120,   300,  3090,  705, QColor(255,255,128), {},               Arial975b,                "NUMERO MAX DA 1 A 30"},
    {"Command3",   Tipo::Pulsante,   "Frame1",    3360,   300,  3090,  705, QColor(255,255,128), {},               Arial975b,                "NUMERO MAX DA 60 A 99"},
    {"Command2",   Tipo::Pulsante,   "Frame1",     120,  1500,  3090,  705, QColor(255,255,128), {},               Arial975b,                "NUMERO MAX DA 30 A 60"},
    {"Command4",   Tipo::Pulsante,   "Frame1",    3405,  1485,  3090,  705, QColor(255,255,128), {},               Arial975b,                "NUMERO MAX DA 1 A 99"},
    {"Command9",   Tipo::Pulsante,   "Frame1",      90,  3660,  6435,  495, QColor(255,224,192), {},               Arial975b,                "E S C I"},
    {"Label1",     Tipo::Etichetta,  "",          7680,  7740,  3945,  435, QColor(128,255,255), QColor(192,0,0),  Arial18b,                 "Gruppo di lavoro"},
    {"Label6",     Tipo::Etichetta,  "",           510,  7710, 11265,  495, QColor(128,255,255), QColor(0,0,0),    Arial18b,                 "Ideazione, progettazione e realizzazione"},
};
// clang-format on

// What each range button stores, in the order stored.
struct ValoriFascia {
    int NumeroMinimo;
    int16_t NumeroMassimo;
    int Fascia;
};
constexpr ValoriFascia Fasce[] = {{1, 30, 1}, {30, 60, 2}, {60, 99, 3}, {1, 99, 4}};

const char* const Modi[] = {
    "Calcolo del quoto",
    "Calcolo del dividendo  e divisore",
    "Calcolo del quoto, dividendo e divisore secondo casaulità",
};

} // namespace

FrmInizio::FrmInizio(Applicazione& a) : FinestraFissa("FrmInizio", 11880, 8310), app(a)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(iconaProgramma());
    forma::sfondo(area(), QColor(192, 255, 192));
    area()->setFont(forma::carattere(QStringLiteral("MS Sans Serif"), 8.25));
    tavola::costruisci(area(), Controlli);

    Label5 = area()->findChild<QLabel*>(QStringLiteral("Label5"));
    Combo1 = area()->findChild<QComboBox*>(QStringLiteral("Combo1"));
    Frame2 = area()->findChild<QFrame*>(QStringLiteral("Frame2"));
    txtNome = area()->findChild<QLineEdit*>(QStringLiteral("txtNome"));
    cmdAvanti = area()->findChild<QPushButton*>(QStringLiteral("cmdAvanti"));
    cmdFine = area()->findChild<QPushButton*>(QStringLiteral("cmdFine"));
    Frame1 = area()->findChild<QFrame*>(QStringLiteral("Frame1"));
    Command1 = area()->findChild<QPushButton*>(QStringLiteral("Command1"));
    Command2 = area()->findChild<QPushButton*>(QStringLiteral("Command2"));
    Command3 = area()->findChild<QPushButton*>(QStringLiteral("Command3"));
    Command4 = area()->findChild<QPushButton*>(QStringLiteral("Command4"));
    Command9 = area()->findChild<QPushButton*>(QStringLiteral("Command9"));
    Label1 = area()->findChild<QLabel*>(QStringLiteral("Label1"));

    txtNome->setMaxLength(15);
    txtNome->installEventFilter(this);
    const QCursor mano = puntatoreMano();
    for (QWidget* pulsante : {cmdAvanti, cmdFine, Command1, Command2, Command3, Command4, Command9})
        pulsante->setCursor(mano);
    // The keyboard order; the name field comes first and so has the focus when the window shows.
    QWidget* ordine[] = {txtNome, Combo1, Command1, Command2, Command3, Command4, Command9, cmdAvanti, cmdFine};
    for (size_t i = 1; i < std::size(ordine); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
    txtNome->setFocus();

    costruisciMenu();
    fissa();
    collega();
}

void FrmInizio::costruisciMenu()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuEsci = mnuFile->addAction(QStringLiteral("Esci"));
    mnuInfo = menuBar()->addAction(QStringLiteral("?"));
    mnuValutazione = menuBar()->addAction(QStringLiteral("Scala di valutazione"));
}

void FrmInizio::collega()
{
    connect(cmdAvanti, &QPushButton::clicked, this, &FrmInizio::accettaNome);
    QPushButton* pulsantiFascia[] = {Command1, Command2, Command3, Command4};
    for (int i = 0; i < 4; ++i)
        connect(pulsantiFascia[i], &QPushButton::clicked, this, [this, i] { sceltaFascia(i); });
    for (QPushButton* esci : {cmdFine, Command9})
        connect(esci, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuEsci, &QAction::triggered, this, &QWidget::close);
    connect(mnuInfo, &QAction::triggered, this, &FrmInizio::mnuInfo_Click);
    connect(mnuValutazione, &QAction::triggered, this, &FrmInizio::mnuValutazione_Click);
}

void FrmInizio::Form_Load()
{
    for (const char* modo : Modi)
        Combo1->addItem(QString::fromUtf8(modo));
    Combo1->setCurrentIndex(0);
    setWindowTitle(TitoloProgramma);
    Label5->setText(TitoloProgramma);
}

bool FrmInizio::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != txtNome || evento->type() != QEvent::KeyPress)
        return FinestraFissa::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    int codice;
    if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)
        codice = 13;
    else if (tasto->text().size() == 1)
        codice = tasto->text().at(0).unicode();
    else
        return false;   // no character: arrows, Home, Delete and the like
    txtNome_KeyPress(codice);
    // Enter has done its work; a line edit has no use for it.
    return codice == 0 || codice == 13;
}

void FrmInizio::txtNome_KeyPress(int& KeyAscii)
{
    if (KeyAscii >= '0' && KeyAscii <= '9') {
        app.piattaforma.suono.beep();
        KeyAscii = 0;
    }
    if (KeyAscii == 13)
        accettaNome();
}

void FrmInizio::accettaNome()
{
    Modulo1& m = app.modulo1;
    if (txtNome->text().isEmpty()) {
        m.Messaggio = QStringLiteral("Introduci il nome");
        m.TitoloMessaggio = QStringLiteral("distrazione");
        m.Scelta = app.piattaforma.messaggi.mostra(m.Messaggio, m.StileMessaggio, m.TitoloMessaggio);
        txtNome->setFocus();
        return;
    }
    m.Nome = txtNome->text();
    Frame2->hide();
    Command1->setFocus();
}

void FrmInizio::sceltaFascia(int indice)
{
    const ValoriFascia& scelta = Fasce[indice];
    Modulo1& m = app.modulo1;
    m.NumeroMinimo = scelta.NumeroMinimo;
    m.NumeroMassimo = scelta.NumeroMassimo;
    m.Fascia = scelta.Fascia;
    Smistamento(app, Combo1->currentIndex());
}

void FrmInizio::mnuInfo_Click()
{
    if (!app.piattaforma.avvio.avvia(QStringLiteral("www.exe")))
        app.piattaforma.messaggi.mostra(QStringLiteral("File mancante"), Messaggi::SoloOk);
}

void FrmInizio::mnuValutazione_Click()
{
    FrmValutazione* scala = app.frmValutazione();
    scala->show();
    scala->raise();
    scala->activateWindow();
}

void FrmInizio::allaChiusura()
{
    // The accessor would make a new backdrop: only an open one is closed.
    if (QWidget* sfondo = app.sfondoAperta())
        sfondo->close();
}
