#include "fuori_barra.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atomo(xcb_connection_t* connessione, const char* nome)
{
    const xcb_intern_atom_cookie_t richiesta = xcb_intern_atom(connessione, 0, static_cast<uint16_t>(std::strlen(nome)), nome);
    xcb_intern_atom_reply_t* risposta = xcb_intern_atom_reply(connessione, richiesta, nullptr);
    const xcb_atom_t trovato = risposta ? risposta->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(risposta);
    return trovato;
}

} // namespace

void fuoriDallaBarra(QWidget* finestra)
{
    // A tool window is the one hint that every platform of Qt understands.
    finestra->setWindowFlag(Qt::Tool);
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 too, without a connection.
    xcb_connection_t* connessione = x11 ? x11->connection() : nullptr;
    if (!connessione)
        return;
    // Many task bars list tool windows all the same: the standard states say it outright. Set on the
    // window before it is mapped, they are kept by Qt and read by the window manager at the mapping.
    const auto finestraX = static_cast<xcb_window_t>(finestra->winId());
    const xcb_atom_t stati[] = {atomo(connessione, "_NET_WM_STATE_SKIP_TASKBAR"),
                                atomo(connessione, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connessione, XCB_PROP_MODE_APPEND, finestraX, atomo(connessione, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 2, stati);
    xcb_flush(connessione);
}
