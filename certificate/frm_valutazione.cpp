#include "frm_valutazione.h"

#include "../app/applicazione.h"
#include "../platform/gestore_finestre.h"
#include "../platform/immagini.h"
#include "../setup/tavola_controlli.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

using tavola::Tipo;

const QColor Pannello(128, 255, 255);
const QColor Viola(128, 0, 128);
const QColor Blu(0, 0, 255);
const tavola::Carattere Arial975b{"Arial", 9.75, true};
const tavola::Carattere Arial12b{"Arial", 12, true};

// Built on first use, once the application and its palette exist.
std::span<const tavola::Controllo> controlli()
{
    // clang-format off
    static const tavola::Controllo righe[] = {
    // name      kind             in        left   top  width height background text colour font                 text
    {"Frame1",  Tipo::Cornice,   "",        240,   90, 3345, 3300, Pannello, {},         {}},
    {"Label9",  Tipo::Etichetta, "Frame1",  285,   75, 2865,  360, {},       Viola,      Arial975b,           "SCALA DI VALUTAZIONE"},
    {"Label1",  Tipo::Etichetta, "Frame1",  270,  540, 2985,  360, {},       Blu,        Arial12b,            "10/10 ottimo"},
    {"Label7",  Tipo::Etichetta, "Frame1",  270, 1050, 2985,  360, {},       Blu,        Arial12b,            " 9/10 ottimo"},
    {"Label6",  Tipo::Etichetta, "Frame1",  270, 1515, 2985,  360, {},       Blu,        Arial12b,            " 8/10 distinto"},
    {"Label5",  Tipo::Etichetta, "Frame1",  270, 1950, 2985,  360, {},       Blu,        Arial12b,            " 7/10 buono"},
    {"Label3",  Tipo::Etichetta, "Frame1",  270, 2415, 2985,  360, {},       Blu,        Arial12b,            " 6/10 sufficiente"},
    {"Label2",  Tipo::Etichetta, "Frame1",  285, 2895, 2985,  360, {},       Blu,        Arial12b,            " 5/10 sufficiente (!)"},
    {"Frame2",  Tipo::Cornice,   "",       3645,   90, 3345, 3300, Pannello, {},         {}},
    {"Label8",  Tipo::Etichetta, "Frame2",  150,   75, 3015,  360, {},       Viola,      Arial975b,           "ATTESTATO DI VALUTAZIONE"},
    {"Label4",  Tipo::Etichetta, "Frame2",  165,  900, 2730, 1650, {},       Blu,        Arial12b,            "Puoi stampare l'attestato  dopo aver eseguito per intero almeno un esercizio"},
    // The system's own label colours, not the window's.
    {"Label10", Tipo::Etichetta, "",        255, 3690, 6660,  675, QApplication::palette().color(QPalette::Window),
                                                                           QApplication::palette().color(QPalette::WindowText),
                                                                                                {"Arial", 14.25},    "L'attesto di valutazione va ritagliato e incollato sul quaderno accanto alle operazioni eseguite"},
};
    // clang-format on
    return righe;
}

} // namespace

FrmValutazione::FrmValutazione(Applicazione& a) : FinestraFissa("FrmValutazione", 7215, 4620), app(a)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("SCALA  DI  VALUTAZIONE"));
    setWindowIcon(iconaProgramma());
    forma::sfondo(area(), QColor(192, 255, 255));
    tavola::costruisci(area(), controlli());
    // Only a click on the window's own background closes it: the panels and labels keep theirs.
    for (QWidget* controllo : area()->findChildren<QWidget*>())
        controllo->setAttribute(Qt::WA_NoMousePropagation);
    fissa();
}

void FrmValutazione::Form_Load()
{
    centra();
    posto_ = pos();
    gestoreFinestre::nonSpostabile(this);
}

void FrmValutazione::Form_Click() { close(); }

void FrmValutazione::mousePressEvent(QMouseEvent* evento)
{
    premutoSulFondo_ = evento->button() == Qt::LeftButton;
}

void FrmValutazione::mouseReleaseEvent(QMouseEvent* evento)
{
    const bool click = premutoSulFondo_ && rect().contains(evento->position().toPoint());
    premutoSulFondo_ = false;
    if (click)
        Form_Click();
}

void FrmValutazione::moveEvent(QMoveEvent* evento)
{
    // A window manager that ignores the request not to move it, or another program, moved it: back it goes.
    if (posto_ && pos() != *posto_)
        move(*posto_);
    FinestraFissa::moveEvent(evento);
}
