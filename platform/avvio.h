#pragma once
// Starting another program without waiting for it.
#include <QString>

class Avvio {
public:
    virtual ~Avvio() = default;
    // Starts the program found by its bare file name on the search path; false when it cannot start.
    virtual bool avvia(const QString& nomeFile) = 0;
};

class AvvioQt : public Avvio {
public:
    bool avvia(const QString& nomeFile) override;
};
