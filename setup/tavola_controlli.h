#pragma once
// Builds a window's controls from its layout table: one row per control, places in twips, colours,
// font and text, as the window's design gives them.
#include <QColor>
#include <QWidget>
#include <optional>
#include <span>

namespace tavola {

enum class Tipo {
    Cornice,      // a frame without caption; bordo 1 draws its single border
    Etichetta,    // a label, opaque when it has a background; it wraps at blanks
    Pulsante,     // a button in its own colour
    Elenco,       // a drop-down list the pupil cannot type into
    CampoTesto,   // a one-line text box
    Immagine,     // an image box; bordo 1 draws its single border
    Arrotondato,  // a filled rounded rectangle; bordo is its line width in pixels
};

struct Carattere {
    const char* famiglia = nullptr;   // none: the window's own font
    double punti = 0;
    bool grassetto = false;
};

struct Controllo {
    const char* nome;
    Tipo tipo;
    const char* contenitore;   // the name of a frame above in the table, or "" for the window
    int sinistra, alto, larghezza, altezza;
    std::optional<QColor> sfondo;
    std::optional<QColor> testo;
    Carattere carattere;
    const char* scritta = "";   // UTF-8
    bool centrato = false;
    int bordo = 0;
};

// Creates the controls in `finestra` in the table's order; within one container a control listed
// earlier lies on top of one listed later.
void costruisci(QWidget* finestra, std::span<const Controllo> controlli);

} // namespace tavola
