#pragma once
// The pseudo-random generator behind the problems: values in [0, 1), reseeded from the clock.
#include <cstdint>
#include <random>

class Casuale {
public:
    virtual ~Casuale() = default;
    // Mixes the seed into the current state. The same seed given twice does not restart a sequence:
    // the generator goes on with new values.
    virtual void semina(double seme) = 0;
    // The next value, uniform in [0, 1).
    virtual double prossimo() = 0;
};

// A 64-bit Mersenne Twister. Reseeding feeds the seed's bits together with fresh output of the
// current state into a seed sequence.
class CasualeMersenne : public Casuale {
public:
    explicit CasualeMersenne(std::uint64_t statoIniziale = 5489u);
    void semina(double seme) override;
    double prossimo() override;

private:
    std::mt19937_64 generatore;
};
