#pragma once
// The clock: time of day for timing answers, today's date for the certificate.
#include <QString>

class Orologio {
public:
    virtual ~Orologio() = default;
    // Seconds since midnight, with fractions.
    virtual double secondiDallaMezzanotte() const = 0;
    // Today's date in the system's short date form.
    virtual QString dataBreve() const = 0;
};

class OrologioSistema : public Orologio {
public:
    double secondiDallaMezzanotte() const override;
    QString dataBreve() const override;
};
