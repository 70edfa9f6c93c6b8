// The drill window's controls: where they lie, how they look and what they say, in twips.
#include "campo_risultato.h"
#include "frm_operativo_meno.h"
#include "../platform/immagini.h"
#include "../state/modulo1.h"
#include "../state/testo_numeri.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <variant>

namespace {

using forma::Aspetto;
using forma::carattere;

// Where a control of the table goes; the kind of member says which kind of control it is. A QFrame
// with no width is a vertical line.
using Posto = std::variant<QLabel* FrmOperativoMeno::*, QPushButton* FrmOperativoMeno::*, QGroupBox* FrmOperativoMeno::*,
                           QFrame* FrmOperativoMeno::*, CampoRisultato* FrmOperativoMeno::*>;

enum class Dentro { Finestra, Numero, Valutazione, Elaborazione };

struct Controllo {
    Posto posto;
    const char* nome;
    Dentro dentro;
    QRect twips;   // left, top, width, height inside the container
    Aspetto aspetto;
    QString testo;
    QString suggerimento;
};

const QColor Rosso(255, 0, 0);
const QColor BluScuro(0, 0, 128);
const QColor Verde(0, 192, 0);
constexpr Qt::Alignment Centrato = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment AlSinistra = Qt::AlignLeft | Qt::AlignTop;
const std::optional<QColor> Trasparente;      // no background of its own
const std::optional<QColor> TestoDiSistema;   // the system's text colour
constexpr bool ConBordo = true;

Aspetto aspetto(const QFont& font, std::optional<QColor> sfondo = Trasparente,
                std::optional<QColor> testo = TestoDiSistema, Qt::Alignment allineamento = AlSinistra,
                bool bordo = false)
{
    Aspetto a;
    a.font = font;
    a.sfondo = sfondo;
    a.testo = testo;
    a.allineamento = allineamento;
    a.bordo = bordo;
    return a;
}

QColor coloreSistema(QPalette::ColorRole ruolo)
{
    return QApplication::palette().color(ruolo);
}

// Within each container the control listed first lies on top.
std::vector<Controllo> tabellaControlli()
{
    const QColor menu = coloreSistema(QPalette::Window);
    const QColor pulsante = coloreSistema(QPalette::Button);
    const QFont arial72 = carattere("Arial", 72, true);
    const QFont arial12 = carattere("Arial", 12, true);
    const QFont arial975 = carattere("Arial", 9.75, true);
    const QFont arial1425 = carattere("Arial", 14.25, true);
    const QFont sans12 = carattere("MS Sans Serif", 12, true);
    const QFont sans825 = carattere("MS Sans Serif", 8.25, true);
    const QFont cornice = carattere("MS Sans Serif", 8.25);
    using F = FrmOperativoMeno;
    using D = Dentro;
    return {
        {&F::Label2, "Label2", D::Finestra, {-30, 0, 11985, 555},
         aspetto(carattere("Arial", 21.75, true), QColor(255, 224, 192), QColor(128, 0, 0)), {}, {}},
        {&F::Label1, "Label1", D::Finestra, {-30, 540, 11985, 555},
         aspetto(carattere("Arial", 20.25, true), QColor(255, 224, 192), Rosso), {}, {}},
        {&F::frmNumero, "frmNumero", D::Finestra, {90, 1080, 11535, 2265}, aspetto(QFont(), QColor(255, 255, 192)), {}, {}},
        {&F::LblEsito, "LblEsito", D::Finestra, {600, 3870, 6375, 975},
         aspetto(carattere("Arial", 48, true), Trasparente, Rosso, Centrato), {}, {}},
        {&F::fraTastierino, "fraTastierino", D::Finestra, {8220, 3090, 2805, 2595},
         aspetto(carattere("Arial", 9.75), QColor(255, 255, 192)), "TASTIERINO", {}},
        {&F::CmdStampa, "CmdStampa", D::Finestra, {7875, 5715, 1965, 525}, aspetto(arial975, pulsante),
         "Visualizza  esercizio", {}},
        {&F::CmdFine, "CmdFine", D::Finestra, {9900, 5715, 1335, 525}, aspetto(arial975, menu), "Esci", {}},
        {&F::CmdEsercizio, "CmdEsercizio", D::Finestra, {945, 5715, 6810, 495}, aspetto(arial12, menu), "Nuovo esercizio", {}},
        {&F::CmdOperazione, "CmdOperazione", D::Finestra, {975, 5715, 6810, 495}, aspetto(arial12, menu),
         "N u o v a   s o t t r a z i o n e", {}},
        {&F::CmdVerifica, "CmdVerifica", D::Finestra, {960, 5715, 6810, 495}, aspetto(arial12, menu), "V e r i f i c a ", {}},
        {&F::cmdSfondo, "cmdSfondo", D::Finestra, {960, 5715, 6810, 495}, aspetto(carattere("Arial", 8.25, true), pulsante),
         {}, {}},
        {&F::frmValutazione, "frmValutazione", D::Finestra, {870, 6285, 6900, 1695}, aspetto(cornice, pulsante),
         "VALUTAZIONE", {}},
        {&F::frmElaborazione, "frmElaborazione", D::Finestra, {7815, 6285, 3375, 1695}, aspetto(cornice, pulsante),
         "ELABORAZIONE", {}},
        {&F::LblIstruzione, "LblIstruzione", D::Finestra, {900, 7965, 10245, 270},
         aspetto(carattere("Arial", 11.25, true), QColor(192, 255, 255), QColor(0, 0, 192)), {}, {}},

        {&F::LblNumero1, "LblNumero1", D::Numero, {120, 150, 3015, 1845}, aspetto(arial72, Trasparente, Rosso, Centrato, ConBordo), {}, {}},
        {&F::LblSegno, "LblSegno", D::Numero, {3180, 180, 765, 1815}, aspetto(arial72, Trasparente, Rosso, Centrato), ":", {}},
        {&F::TxtRisultato, "TxtRisultato", D::Numero, {3990, 150, 3015, 1875}, aspetto(arial72, menu, QColor(0, 0, 192)),
         {}, {}},
        {&F::LblUguale, "LblUguale", D::Numero, {7020, 120, 915, 1815}, aspetto(arial72, Trasparente, Rosso, Centrato), "=", {}},
        {&F::LblNumero2, "LblNumero2", D::Numero, {7980, 150, 3015, 1845}, aspetto(arial72, Trasparente, Rosso, Centrato, ConBordo), {}, {}},

        {&F::Label4, "Label4", D::Valutazione, {120, 240, 1575, 375}, aspetto(sans12, Trasparente, BluScuro), "Risp. esatte", {}},
        {&F::Label8, "Label8", D::Valutazione, {120, 600, 1215, 375}, aspetto(sans12), "Esercizio n.", {}},
        {&F::Label6, "Label6", D::Valutazione, {120, 1080, 1455, 375}, aspetto(sans12, Trasparente, BluScuro), "Risp. errate", {}},
        {&F::LblContatore, "LblContatore", D::Valutazione, {1935, 720, 4815, 270},
         aspetto(carattere("MS Sans Serif", 9.75, true)),
         "  1      2       3      4      5      6      7      8      9     10", {}},

        {&F::Label5, "Label5", D::Elaborazione, {240, 360, 3015, 255}, aspetto(sans825), " Eser.    Oper.   Tempo      Tempo ", {}},
        {&F::Label3, "Label3", D::Elaborazione, {240, 600, 3015, 255}, aspetto(sans825),
         "                        parziale    totale", {}},
        {&F::Line1, "Line1", D::Elaborazione, {840, 360, 0, 840}, {}, {}, {}},
        {&F::Line2, "Line2", D::Elaborazione, {1560, 360, 0, 840}, {}, {}, {}},
        {&F::Line4, "Line4", D::Elaborazione, {2400, 360, 0, 840}, {}, {}, {}},
        {&F::LblEsercizio, "LblEsercizio", D::Elaborazione, {255, 960, 480, 480}, aspetto(arial1425, Trasparente, Verde, Centrato), {}, {}},
        {&F::LblOperazione, "LblOperazione", D::Elaborazione, {975, 960, 480, 480}, aspetto(arial1425, Trasparente, Verde, Centrato), {}, {}},
        {&F::LblTempoParziale, "LblTempoParziale", D::Elaborazione, {1695, 960, 480, 480}, aspetto(arial1425, Trasparente, Rosso), {},
         "Secondi impiegati per ogni risposta"},
        {&F::LblTempoTotale, "LblTempoTotale", D::Elaborazione, {2535, 960, 480, 480}, aspetto(arial1425, Trasparente, Rosso), {},
         "Secondi impiegati per ogni esercizio"},
    };
}

// The faces of the VALUTAZIONE frame: ten columns, smiling on top and sad below, 480 twips square.
constexpr std::array<int, 10> SinistraFacce{1875, 2370, 2865, 3360, 3840, 4335, 4815, 5295, 5790, 6270};
constexpr int AltoFacceEsatte = 255;
constexpr int AltoFacceErrate = 990;
constexpr int LatoFaccia = 480;

// The keypad inside fraTastierino; its keys are numbered as the window names them (0 for "Cancella").
struct Tasto {
    int numero;
    const char* testo;
    QRect twips;
};
constexpr int LarghezzaTasto = 765;
constexpr int AltezzaTasto = 405;
const std::array<Tasto, 13> Tastierino{{
    {2, "1", {240, 240, LarghezzaTasto, AltezzaTasto}},
    {3, "2", {1020, 240, LarghezzaTasto, AltezzaTasto}},
    {4, "3", {1800, 240, LarghezzaTasto, AltezzaTasto}},
    {5, "4", {240, 690, LarghezzaTasto, AltezzaTasto}},
    {6, "5", {1020, 690, LarghezzaTasto, AltezzaTasto}},
    {7, "6", {1800, 690, LarghezzaTasto, AltezzaTasto}},
    {8, "7", {240, 1140, LarghezzaTasto, AltezzaTasto}},
    {9, "8", {1020, 1140, LarghezzaTasto, AltezzaTasto}},
    {10, "9", {1800, 1140, LarghezzaTasto, AltezzaTasto}},
    {13, "0", {240, 1605, LarghezzaTasto, AltezzaTasto}},
    {11, "00", {1020, 1605, LarghezzaTasto, AltezzaTasto}},
    {12, "000", {1800, 1605, LarghezzaTasto, AltezzaTasto}},
    {0, "Cancella", {240, 2055, 2325, 435}},
}};
const QColor ColoreTasti(255, 255, 128);

// Gives a control the system's colours as its own, so that a colour given to the window later does
// not reach it.
void coloriDiSistema(QWidget* controllo)
{
    QPalette p = QApplication::palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int ruolo = 0; ruolo < QPalette::NColorRoles; ++ruolo) {
            const auto r = static_cast<QPalette::ColorRole>(ruolo);
            p.setColor(gruppo, r, p.color(gruppo, r));
        }
    controllo->setPalette(p);
}

// Widens a label of one line, keeping its left edge, when the text would not fit.
void faiSpazio(QLabel* etichetta, const QString& testoPiuLungo)
{
    etichetta->setWordWrap(false);
    const int serve = etichetta->fontMetrics().horizontalAdvance(testoPiuLungo) + 1;
    if (serve > etichetta->width())
        etichetta->resize(serve, etichetta->height());
}

QGroupBox* riquadro(QWidget* contenitore, const Controllo& c)
{
    auto* g = new QGroupBox(c.testo, contenitore);
    g->setObjectName(QString::fromLatin1(c.nome));
    g->setGeometry(forma::rettangolo(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
    g->setFont(c.aspetto.font);
    if (c.aspetto.sfondo)
        forma::sfondo(g, *c.aspetto.sfondo);
    return g;
}

QFrame* cornice(QWidget* contenitore, const Controllo& c)
{
    auto* f = new QFrame(contenitore);
    f->setObjectName(QString::fromLatin1(c.nome));
    const QRect r = forma::rettangolo(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height());
    if (c.twips.width() == 0) {
        f->setFrameShape(QFrame::VLine);
        f->setFrameShadow(QFrame::Plain);
        f->setGeometry(r.x(), r.y(), 1, r.height());
    } else {
        f->setFrameShape(QFrame::NoFrame);
        f->setGeometry(r);
    }
    if (c.aspetto.sfondo)
        forma::sfondo(f, *c.aspetto.sfondo);
    return f;
}

CampoRisultato* campo(QWidget* contenitore, const Controllo& c)
{
    auto* t = new CampoRisultato(contenitore);
    t->setObjectName(QString::fromLatin1(c.nome));
    t->setGeometry(forma::rettangolo(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
    t->setFont(c.aspetto.font);
    forma::sfondo(t, *c.aspetto.sfondo);
    forma::coloreTesto(t, *c.aspetto.testo);
    t->setAlignment(Qt::AlignCenter);
    t->setMaxLength(Modulo1::RispostaMassima);
    return t;
}

} // namespace

void FrmOperativoMeno::costruisci()
{
    forma::sfondo(this, QColor(192, 255, 192));
    setWindowIcon(iconaProgramma());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    const auto contenitore = [this](Dentro dentro) -> QWidget* {
        switch (dentro) {
        case Dentro::Numero: return frmNumero;
        case Dentro::Valutazione: return frmValutazione;
        case Dentro::Elaborazione: return frmElaborazione;
        case Dentro::Finestra: break;
        }
        return area();
    };
    const std::vector<Controllo> tabella = tabellaControlli();
    std::map<Dentro, std::vector<QWidget*>> pile;
    // Each container is filled as soon as it is made, so that the keyboard order, which follows the
    // order of making, starts with the answer field.
    const auto riempi = [&](Dentro dentro, const auto& prosegui) -> void {
        for (const Controllo& c : tabella) {
            if (c.dentro != dentro)
                continue;
            QWidget* fatto = std::visit(
                [&](auto membro) -> QWidget* {
                    using Tipo = std::remove_pointer_t<std::remove_reference_t<decltype(this->*membro)>>;
                    Tipo* w = nullptr;
                    if constexpr (std::is_same_v<Tipo, QLabel>)
                        w = forma::etichetta(contenitore(dentro), c.nome, c.testo, c.twips, c.aspetto);
                    else if constexpr (std::is_same_v<Tipo, QPushButton>)
                        w = forma::pulsante(contenitore(dentro), c.nome, c.testo, c.twips, c.aspetto);
                    else if constexpr (std::is_same_v<Tipo, QGroupBox>)
                        w = riquadro(contenitore(dentro), c);
                    else if constexpr (std::is_same_v<Tipo, QFrame>)
                        w = cornice(contenitore(dentro), c);
                    else
                        w = campo(contenitore(dentro), c);
                    this->*membro = w;
                    return w;
                },
                c.posto);
            if (!c.suggerimento.isEmpty())
                fatto->setToolTip(c.suggerimento);
            pile[dentro].push_back(fatto);
            for (Dentro interno : {Dentro::Numero, Dentro::Valutazione, Dentro::Elaborazione})
                if (contenitore(interno) == fatto)
                    prosegui(interno, prosegui);
        }
    };
    riempi(Dentro::Finestra, riempi);

    for (std::size_t k = 1; k <= 20; ++k) {
        const bool esatta = k <= 10;
        const int sinistra = SinistraFacce[(k - 1) % 10];
        auto* immagine = new QLabel(frmValutazione);
        immagine->setObjectName(QStringLiteral("Image%1").arg(k));
        immagine->setGeometry(forma::rettangolo(sinistra, esatta ? AltoFacceEsatte : AltoFacceErrate, LatoFaccia, LatoFaccia));
        immagine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        immagine->setPixmap(faccia(esatta, 32, qApp->devicePixelRatio()));
        immagine->hide();
        Image[k] = immagine;
        pile[Dentro::Valutazione].push_back(immagine);
    }
    Image[1]->setCursor(puntatoreFaccia());

    const QCursor mano = puntatoreMano();
    const Aspetto comeTasto = aspetto(carattere("Arial", 14.25, true), ColoreTasti);
    for (const Tasto& t : Tastierino) {
        const QString nome = t.numero ? QStringLiteral("Command%1").arg(t.numero) : QStringLiteral("cmdCancella");
        QPushButton* tasto = forma::pulsante(fraTastierino, nome.toLatin1().constData(), QString::fromLatin1(t.testo),
                                             t.twips, comeTasto);
        // The answer field keeps the focus while the keys are pressed, so that Enter still verifies.
        tasto->setFocusPolicy(Qt::NoFocus);
        tasto->setCursor(mano);
        (t.numero ? Command[static_cast<std::size_t>(t.numero)] : cmdCancella) = tasto;
    }
    for (QPushButton* grande : {CmdEsercizio, CmdOperazione, CmdVerifica, CmdStampa, CmdFine})
        grande->setCursor(mano);

    // Within each container the control listed first lies on top.
    for (auto& [dentro, pila] : pile)
        std::for_each(pila.rbegin(), pila.rend(), [](QWidget* w) { w->raise(); });

    cmdSfondo->setEnabled(false);
    cmdSfondo->setFocusPolicy(Qt::NoFocus);
    // The system's fonts run wider than those the sizes were drawn for: two labels get the room that
    // their longest text needs, so that it neither wraps out of sight nor loses its last figure.
    faiSpazio(Label8, Label8->text());
    faiSpazio(LblTempoTotale, testoConSpazio(Modulo1::TettoTempoEsercizio));

    coloriDiSistema(menuBar());
    MnuFile = menuBar()->addMenu(QStringLiteral("File"));
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    mnuStampa = MnuFile->addAction(QStringLiteral("Visualizza operazioni"));
    mnuStampa->setObjectName(QStringLiteral("mnuStampa"));
    mnuAttestato = MnuFile->addAction(QStringLiteral("Visualizza attestato"));
    mnuAttestato->setObjectName(QStringLiteral("mnuAttestato"));
    mnuseparatore = MnuFile->addSeparator();
    mnuseparatore->setObjectName(QStringLiteral("mnuseparatore"));
    MnuEsci = MnuFile->addAction(QStringLiteral("Esci"));
    MnuEsci->setObjectName(QStringLiteral("MnuEsci"));
    fissa();
    centra();
}
