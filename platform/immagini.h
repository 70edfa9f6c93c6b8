#pragma once
// The program's own pictures, drawn in code so that they stay sharp at any size and screen density.
#include <QCursor>
#include <QIcon>
#include <QPixmap>

// A yellow face, smiling or sad, `lato` pixels square, at the given device pixel ratio.
QPixmap faccia(bool sorridente, int lato = 32, qreal densita = 1.0);
// The window icon: a division sign on a green tile.
QIcon iconaProgramma();
// The "more" chevrons of a menu bar too narrow for its entries.
QIcon iconaEstensione();
// The pointing hand shown over the program's coloured buttons.
QCursor puntatoreMano();
// The smiling face shown as the pointer over the first face of the drill window.
QCursor puntatoreFaccia();
