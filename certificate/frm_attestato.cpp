#include "frm_attestato.h"

#include "../app/applicazione.h"
#include "../platform/avvisi_stampa.h"
#include "../platform/gestore_finestre.h"
#include "../state/testo_numeri.h"
#include "pergamena.h"
#include "voto.h"

#include <QApplication>
#include <QFrame>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <vector>

namespace {

enum class Tipo { Cornice, Immagine, Etichetta, Pulsante };

// One control of the window: its kind, its name, the container it lies in, its design-time caption,
// its place and size in twips inside that container, and its look.
struct Controllo {
    Tipo tipo;
    const char* nome;
    const char* dentro;   // "area" is the window's client area
    QString testo;
    QRect twips;
    forma::Aspetto aspetto;
};

const QColor Rosa(255, 192, 192);
const QColor Azzurro(192, 255, 255);
const QColor Lilla(255, 192, 255);
const QColor Blu(0, 0, 255);
const QColor Rosso(255, 0, 0);

const QString NonStampabile = QStringLiteral("ATTESTATO NON STAMPABILE");

// The window's controls, each created over those listed before it: the picture lies under the
// transparent labels that follow it.
std::vector<Controllo> disposizione()
{
    using forma::carattere;
    const QString arial = QStringLiteral("Arial");
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const Qt::Alignment centrato = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment sinistra = Qt::AlignLeft | Qt::AlignTop;
    // The system's window colour, not the light blue that the frame passes to its children.
    const QColor finestra = QApplication::palette().color(QPalette::Base);
    const forma::Aspetto pulsante{carattere(arial, 8.25, true), Lilla, {}, centrato, false};

    return {
        {Tipo::Cornice, "Frame2", "area", {}, {1830, 465, 6090, 8460}, {{}, Rosa, {}, sinistra, false}},
        {Tipo::Cornice, "Frame1", "Frame2", {}, {465, 150, 5205, 6840}, {{}, Azzurro, {}, sinistra, true}},
        {Tipo::Immagine, "Image1", "Frame1", {}, {75, 345, 4890, 6390}, {}},
        {Tipo::Etichetta, "Label1", "Frame1", QStringLiteral("ATTESTATO"), {1080, 1020, 2175, 390},
         {carattere(arial, 18, true), finestra, Blu, centrato, false}},
        {Tipo::Etichetta, "Label2", "Frame1", QStringLiteral("rilasciato a"), {1290, 1425, 1695, 255},
         {carattere(arial, 9.75, true), {}, {}, centrato, false}},
        {Tipo::Etichetta, "lblNome", "Frame1", QStringLiteral("Mario"), {600, 1695, 3450, 555},
         {carattere(arial, 20.25, true), {}, Blu, centrato, false}},
        {Tipo::Etichetta, "lblMotivo", "Frame1", {}, {1005, 2190, 3030, 360},
         {carattere(arial, 9.75, true), {}, {}, centrato, false}},
        {Tipo::Etichetta, "lblObiettivo1", "Frame1", QStringLiteral("??????"), {1245, 2580, 2535, 330},
         {carattere(arial, 8.25, true), {}, Rosso, sinistra, false}},
        {Tipo::Etichetta, "lblObiettivo3", "Frame1", QStringLiteral("????????"), {1260, 2910, 2910, 405},
         {carattere(sansSerif, 8.25, true), {}, Rosso, sinistra, false}},
        {Tipo::Etichetta, "lblObiettivo2", "Frame1", QStringLiteral(" ?????????"), {1230, 3360, 2535, 315},
         {carattere(sansSerif, 8.25, true), {}, Rosso, sinistra, false}},
        {Tipo::Etichetta, "Label3", "Frame1", QStringLiteral("con la valutazione"), {1395, 3600, 2505, 195},
         {carattere(arial, 9.75, true), {}, {}, centrato, false}},
        {Tipo::Etichetta, "lblRapporto", "Frame1", QStringLiteral("???"), {1110, 3945, 3315, 375},
         {carattere(arial, 14.25, true), {}, Blu, centrato, false}},
        {Tipo::Etichetta, "lblPerche", "Frame1", QStringLiteral("???"), {1395, 4500, 2385, 375},
         {carattere(arial, 8.25, true), {}, {}, centrato, false}},
        {Tipo::Etichetta, "lblData", "Frame1", QStringLiteral("Data"), {1680, 5100, 2475, 255},
         {carattere(arial, 8.25, true), {}, {}, sinistra, false}},
        {Tipo::Pulsante, "Command2", "Frame2", QStringLiteral("STAMPA  L'ATTESTATO "), {465, 7050, 5205, 450}, pulsante},
        {Tipo::Pulsante, "Command1", "Frame2", QStringLiteral("FINE SESSIONE"), {450, 7590, 2550, 450}, pulsante},
        {Tipo::Pulsante, "CmdFine", "Frame2", QStringLiteral("ESCI"), {3045, 7605, 2580, 450}, pulsante},
    };
}

// A frame or the picture: named, placed, and filled with its own colour when it has one.
QWidget* colloca(QWidget* controllo, const Controllo& c)
{
    controllo->setObjectName(QLatin1String(c.nome));
    controllo->setGeometry(forma::rettangolo(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
    if (c.aspetto.sfondo)
        forma::sfondo(controllo, *c.aspetto.sfondo);
    return controllo;
}

QWidget* crea(const Controllo& c, QWidget* dentro)
{
    switch (c.tipo) {
    case Tipo::Cornice: {
        auto* cornice = new QFrame(dentro);
        cornice->setFrameStyle(c.aspetto.bordo ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        return colloca(cornice, c);
    }
    case Tipo::Immagine:
        return colloca(new Pergamena(dentro), c);
    case Tipo::Etichetta: {
        QLabel* etichetta = forma::etichetta(dentro, c.nome, c.testo, c.twips, c.aspetto);
        // A name is shown as typed, never read as markup.
        etichetta->setTextFormat(Qt::PlainText);
        return etichetta;
    }
    case Tipo::Pulsante:
        return forma::pulsante(dentro, c.nome, c.testo, c.twips, c.aspetto);
    }
    return nullptr;
}

// The first character in capitals and the rest in small letters; an empty name has no first
// character and stays empty.
QString conIniziale(const QString& nome)
{
    return nome.left(1).toUpper() + nome.mid(1).toLower();
}

} // namespace

FrmAttestato::FrmAttestato(Applicazione& a) : FinestraFissa("FrmAttestato", 12000, 9000), app(a)
{
    // No border, no title bar, and out of the task bar.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Tool);
    gestoreFinestre::fuoriDallaBarra(this);
    forma::sfondo(this, Rosa);
    costruisci();
    fissa();
    connect(Command2, &QPushButton::clicked, this, &FrmAttestato::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &FrmAttestato::Command1_Click);
    connect(CmdFine, &QPushButton::clicked, this, &FrmAttestato::CmdFine_Click);
    Command2->setDefault(true);
    Command2->setFocus();
}

void FrmAttestato::costruisci()
{
    QHash<QByteArray, QWidget*> creati{{"area", area()}};
    for (const Controllo& c : disposizione())
        creati.insert(c.nome, crea(c, creati.value(c.dentro)));

    Frame2 = qobject_cast<QFrame*>(creati.value("Frame2"));
    Frame1 = qobject_cast<QFrame*>(creati.value("Frame1"));
    Image1 = qobject_cast<Pergamena*>(creati.value("Image1"));
    Label1 = qobject_cast<QLabel*>(creati.value("Label1"));
    Label2 = qobject_cast<QLabel*>(creati.value("Label2"));
    lblNome = qobject_cast<QLabel*>(creati.value("lblNome"));
    lblMotivo = qobject_cast<QLabel*>(creati.value("lblMotivo"));
    lblObiettivo1 = qobject_cast<QLabel*>(creati.value("lblObiettivo1"));
    lblObiettivo3 = qobject_cast<QLabel*>(creati.value("lblObiettivo3"));
    lblObiettivo2 = qobject_cast<QLabel*>(creati.value("lblObiettivo2"));
    Label3 = qobject_cast<QLabel*>(creati.value("Label3"));
    lblRapporto = qobject_cast<QLabel*>(creati.value("lblRapporto"));
    lblPerche = qobject_cast<QLabel*>(creati.value("lblPerche"));
    lblData = qobject_cast<QLabel*>(creati.value("lblData"));
    Command2 = qobject_cast<QPushButton*>(creati.value("Command2"));
    Command1 = qobject_cast<QPushButton*>(creati.value("Command1"));
    CmdFine = qobject_cast<QPushButton*>(creati.value("CmdFine"));
}

void FrmAttestato::Form_Load()
{
    centra();
}

void FrmAttestato::Form_Activate()
{
    Modulo1& m = app.modulo1;

    Frame2->move((area()->width() - Frame2->width()) / 2, Frame2->y());
    lblData->setText(QStringLiteral("Data        ") + app.piattaforma.orologio.dataBreve());

    m.LunghezzaNome = static_cast<int>(m.Nome.size());
    m.Nome = conIniziale(m.Nome);
    lblNome->setText(m.Nome);

    lblMotivo->setText(QStringLiteral("per aver  conseguito l'obiettivo"));
    lblObiettivo1->setText(QStringLiteral("Saper eseguire le merzoline.1"));
    // The text of the last mode chosen, kept even when the drill window has been closed since.
    lblObiettivo3->setText(m.TestoIstruzione);
    lblObiettivo2->setText(QStringLiteral(" Numeri da ") + testoConSpazio(m.NumeroMinimo) + QStringLiteral(" a")
                           + testoConSpazio(m.NumeroMassimo));

    m.Voto = votoDi(m.RisposteEsatte, m.ContatoreOperazioni);
    m.Giudizio = giudizioDi(m.Voto);
    lblRapporto->setText(m.Giudizio);
    // Once unprintable, the certificate stays so until the window is closed and opened anew.
    if (m.Giudizio == NonClassificato && Command2->isEnabled()) {
        const bool avevaIlFuoco = focusWidget() == Command2;
        Command2->setText(NonStampabile);
        Command2->setEnabled(false);
        // The disabled button would hand the focus on to FINE SESSIONE, where Enter ends the program.
        if (avevaIlFuoco)
            CmdFine->setFocus();
    }

    lblPerche->setText(QStringLiteral("Per aver dato ") + testoSemplice(m.RisposteEsatte)
                       + QStringLiteral(" risposte esatte su ") + testoSemplice(m.ContatoreOperazioni));
}

void FrmAttestato::Command2_Click()
{
    Stampante& stampante = app.piattaforma.stampante;
    Messaggi& messaggi = app.piattaforma.messaggi;
    if (!stampanteDisponibile(stampante, messaggi))
        return;
    Attesa attesa;
    QWidget* fuoco = focusWidget();
    mostraPulsanti(false);
    stampante.stampaImmagine(area());
    concludiStampa(stampante, messaggi, &attesa);
    // The buttons are the window's only ways out: they come back whatever became of the page.
    mostraPulsanti(true);
    if (fuoco)
        fuoco->setFocus();
}

void FrmAttestato::Command1_Click()
{
    app.piattaforma.programma.terminaSubito();
}

void FrmAttestato::CmdFine_Click()
{
    close();
}

void FrmAttestato::mostraPulsanti(bool visibili)
{
    for (QPushButton* pulsante : {Command2, Command1, CmdFine})
        pulsante->setVisible(visibili);
}

bool FrmAttestato::event(QEvent* evento)
{
    if (evento->type() == QEvent::WindowActivate)
        Form_Activate();
    return FinestraFissa::event(evento);
}

void FrmAttestato::showEvent(QShowEvent* evento)
{
    // Without a window manager a first showing need not activate the window: its texts are due anyway.
    if (!mostrata) {
        mostrata = true;
        Form_Activate();
    }
    FinestraFissa::showEvent(evento);
}

void FrmAttestato::keyPressEvent(QKeyEvent* evento)
{
    // A focused button takes its own Enter; any other Enter reaches the window. A disabled
    // Command2 ignores the click.
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        Command2->click();
        return;
    }
    FinestraFissa::keyPressEvent(evento);
}
