#pragma once
// The system beep and the asynchronous playing of a sound file.
#include "effetti_sonori.h"

#include <QString>
#include <memory>

class Suono {
public:
    virtual ~Suono() = default;
    virtual void beep() = 0;
    // Starts playing and returns at once; the outcome is never reported.
    virtual void riproduci(const QString& percorso) = 0;
    // Loads the file ahead of its first use, so that the first play starts at once.
    virtual void prepara(const QString&) {}
};

// Plays through the sound module in `cartella`, loaded at the first sound rather than at start-up.
// Without the module, a sound file or a sound output the program stays silent and carries on.
class SuonoQt : public Suono {
public:
    explicit SuonoQt(const QString& cartella);
    ~SuonoQt() override;
    void beep() override;
    void riproduci(const QString& percorso) override;
    void prepara(const QString& percorso) override;
    // The effect that plays the file once it has been asked for, to follow its playing; null while
    // nothing can play it.
    const QSoundEffect* effettoDi(const QString& percorso) const;

private:
    EffettiSonori* effetti();
    QString cartella;
    bool caricato = false;
    std::unique_ptr<EffettiSonori> effetti_;
};
