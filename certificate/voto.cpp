#include "voto.h"

#include <algorithm>
#include <cmath>
#include <limits>

int16_t votoDi(int risposteEsatte, int operazioni)
{
    if (operazioni <= 0)
        return 0;
    // Floating-point division, then the whole part: 8.75 is an 8, never a 9.
    const double voto = std::floor(risposteEsatte * 10.0 / operazioni);
    // The mark is a 16-bit number: saturate rather than wrap a count that could never happen.
    return static_cast<int16_t>(std::clamp(voto, double(std::numeric_limits<int16_t>::min()),
                                           double(std::numeric_limits<int16_t>::max())));
}

QString giudizioDi(int voto)
{
    switch (voto) {
    case 5:
        return QStringLiteral("SUFFICIENTE (!)");
    case 6:
        return QStringLiteral("SUFFICIENTE");
    case 7:
        return QStringLiteral("BUONO");
    case 8:
        return QStringLiteral("DISTINTO");
    case 9:
    case 10:
        return QStringLiteral("OTTIMO");
    default:
        return NonClassificato;
    }
}
