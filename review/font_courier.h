#pragma once
// The review's records line up only in a fixed-pitch font: the printer must offer Courier or Courier New.
#include <QString>

class Messaggi;
class Stampante;

inline const QString CourierNew = QStringLiteral("Courier New");
inline const QString Courier = QStringLiteral("Courier");
inline const QString TestoFontMancante = QStringLiteral("Devi installare il font Courier o il font Courier New");

// The first name in the printer's font list that is exactly "Courier" or "Courier New" (letter case
// and all). When neither is there the pupil is told so and the name is empty.
QString cercaFontCourier(const Stampante& stampante, Messaggi& messaggi);
