#include "frm_sfondo.h"

#include "../app/applicazione.h"
#include "../platform/gestore_finestre.h"
#include "../platform/programma.h"
#include "frm_inizio.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

FrmSfondo::FrmSfondo(Applicazione& a)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint), app(a)
{
    setObjectName(QStringLiteral("frmSfondo"));
    setWindowTitle(TitoloProgramma);
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(tavolozza);
    setAutoFillBackground(true);
}

void FrmSfondo::Form_Load()
{
    // Without a window manager nobody maximises the window: it is given the screen's size itself.
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        setGeometry(schermo->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    // Out of the task bar, and not to be dragged aside under a window manager.
    gestoreFinestre::fuoriDallaBarra(this);
    gestoreFinestre::nonSpostabile(this);
    show();

    FrmInizio* inizio = app.frmInizio();
    inizio->centra();
    inizio->show();
    inizio->raise();
    inizio->activateWindow();
}

void FrmSfondo::Form_Click()
{
    // Every way of closing the setup window closes the backdrop first, so it is always there.
    if (FrmInizio* inizio = app.inizioAperta()) {
        inizio->setWindowState(inizio->windowState() & ~Qt::WindowMinimized);
        inizio->show();
        inizio->raise();
        inizio->activateWindow();
    }
}

void FrmSfondo::Form_DblClick() { Form_Click(); }

void FrmSfondo::mouseReleaseEvent(QMouseEvent* evento)
{
    if (rect().contains(evento->position().toPoint()))
        Form_Click();
}

void FrmSfondo::mouseDoubleClickEvent(QMouseEvent*) { Form_DblClick(); }

void FrmSfondo::closeEvent(QCloseEvent* evento)
{
    chiusa_ = true;
    evento->accept();
}
