#include "generatore.h"

#include <array>
#include <cmath>

namespace {
constexpr std::array<RegolaFascia, 4> Regole{{
    {10, 1, 1, 30, false},
    {10, 5, 30, 60, true},
    {15, 5, 60, 98, false},
    {15, 5, 1, 98, false},
}};
}

const RegolaFascia* regolaFascia(int fascia)
{
    return fascia >= 1 && fascia <= 4 ? &Regole[static_cast<std::size_t>(fascia - 1)] : nullptr;
}

int livello(Modulo1& m, const Orologio& orologio, Casuale& casuale)
{
    const RegolaFascia* regola = regolaFascia(m.Fascia);
    if (!regola)
        return 0;
    casuale.semina(orologio.secondiDallaMezzanotte());
    int tentativi = 0;
    int dividendo = 0;
    do {
        if (regola->risemina)
            casuale.semina(orologio.secondiDallaMezzanotte());
        m.Quoto = static_cast<int>(std::floor(casuale.prossimo() * regola->passi)) + regola->minimo;
        m.Divisore = static_cast<int>(std::floor(casuale.prossimo() * regola->passi)) + regola->minimo;
        dividendo = m.Quoto * m.Divisore;
        ++tentativi;
    } while (dividendo < regola->dividendoMinimo || dividendo > regola->dividendoMassimo);
    m.SpazioQuoto = m.Quoto < 10 ? QStringLiteral(" ") : QString();
    return tentativi;
}
