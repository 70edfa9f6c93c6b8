#include "casuale.h"

#include <bit>

CasualeMersenne::CasualeMersenne(std::uint64_t statoIniziale) : generatore(statoIniziale) {}

void CasualeMersenne::semina(double seme)
{
    const auto bitSeme = std::bit_cast<std::uint64_t>(seme);
    const std::uint64_t corrente = generatore();
    std::seed_seq sequenza{
        static_cast<std::uint32_t>(bitSeme), static_cast<std::uint32_t>(bitSeme >> 32),
        static_cast<std::uint32_t>(corrente), static_cast<std::uint32_t>(corrente >> 32)};
    generatore.seed(sequenza);
}

double CasualeMersenne::prossimo()
{
    // The top 53 bits make a double in [0, 1) exactly, never 1.
    return static_cast<double>(generatore() >> 11) * 0x1.0p-53;
}
