#pragma once
// livello: draws the next division problem (quotient and divisor) for the chosen number range.
#include "../platform/casuale.h"
#include "../platform/orologio.h"
#include "../state/modulo1.h"

// How one range draws: each factor is Int(Rnd × passi) + minimo, and a pair is kept when the
// dividend lies within [dividendoMinimo, dividendoMassimo].
struct RegolaFascia {
    int passi;
    int minimo;
    int dividendoMinimo;
    int dividendoMassimo;
    bool risemina;   // seed again from the clock before every attempt
};

// The rule of ranges 1 to 4; null for any other value.
const RegolaFascia* regolaFascia(int fascia);

// Writes Quoto, Divisore and SpazioQuoto from Fascia. Returns the number of attempts made (0 when
// Fascia names no range, and then nothing is written).
int livello(Modulo1& m, const Orologio& orologio, Casuale& casuale);
