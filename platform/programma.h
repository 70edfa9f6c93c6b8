#pragma once
// The running program itself: its name, its folder and its immediate end.
#include <QString>

inline const QString TitoloProgramma = QStringLiteral("TARVOLINI.1");

class Programma {
public:
    virtual ~Programma() = default;
    // The folder of the program's executable, where its sound file lies.
    virtual QString cartella() const = 0;
    // Ends the whole program at once: no window is asked and no close handler runs.
    virtual void terminaSubito() = 0;
};

class ProgrammaQt : public Programma {
public:
    QString cartella() const override;
    void terminaSubito() override;
};
