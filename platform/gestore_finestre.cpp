#include "gestore_finestre.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* connessioneX11()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atomo(xcb_connection_t* connessione, const char* nome)
{
    const auto richiesta = xcb_intern_atom(connessione, 0, static_cast<uint16_t>(std::strlen(nome)), nome);
    xcb_intern_atom_reply_t* risposta = xcb_intern_atom_reply(connessione, richiesta, nullptr);
    const xcb_atom_t valore = risposta ? risposta->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(risposta);
    return valore;
}

} // namespace

namespace gestoreFinestre {

void fuoriDallaBarra(QWidget* finestra)
{
    xcb_connection_t* connessione = connessioneX11();
    if (!connessione)
        return;
    // Qt merges the states already present into the ones it sets when it maps the window.
    const std::array<xcb_atom_t, 2> stati{atomo(connessione, "_NET_WM_STATE_SKIP_TASKBAR"),
                                         atomo(connessione, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connessione, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(finestra->winId()),
                        atomo(connessione, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, stati.size(), stati.data());
    xcb_flush(connessione);
}

void nonSpostabile(QWidget* finestra)
{
    xcb_connection_t* connessione = connessioneX11();
    if (!connessione)
        return;
    // _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status. Qt has written the
    // decorations from the window flags; only the functions change here.
    constexpr uint32_t SuggerisceFunzioni = 1;
    constexpr uint32_t FunzioneChiudi = 32;
    const xcb_window_t id = static_cast<xcb_window_t>(finestra->winId());
    const xcb_atom_t motif = atomo(connessione, "_MOTIF_WM_HINTS");
    std::array<uint32_t, 5> suggerimenti{};
    const auto richiesta = xcb_get_property(connessione, 0, id, motif, motif, 0, suggerimenti.size());
    if (xcb_get_property_reply_t* risposta = xcb_get_property_reply(connessione, richiesta, nullptr)) {
        if (risposta->format == 32 && xcb_get_property_value_length(risposta) >= int(sizeof suggerimenti))
            std::memcpy(suggerimenti.data(), xcb_get_property_value(risposta), sizeof suggerimenti);
        std::free(risposta);
    }
    suggerimenti[0] |= SuggerisceFunzioni;
    suggerimenti[1] = FunzioneChiudi;
    xcb_change_property(connessione, XCB_PROP_MODE_REPLACE, id, motif, motif, 32, suggerimenti.size(),
                        suggerimenti.data());
    xcb_flush(connessione);
}

} // namespace gestoreFinestre
