#pragma once
// What the sound module offers: sound files played through Qt Multimedia. The module is loaded only when
// the first sound is wanted, so that Qt Multimedia and the sound server's libraries do not slow down
// the start of the program.
#include <QString>

class QSoundEffect;

class EffettiSonori {
public:
    virtual ~EffettiSonori() = default;
    virtual void prepara(const QString& percorso) = 0;
    virtual void riproduci(const QString& percorso) = 0;
    // The effect that plays the file once it has been asked for; null while nothing can play it.
    virtual const QSoundEffect* effettoDi(const QString& percorso) const = 0;
};

// The module's file name in the program's folder, and the function that makes its EffettiSonori.
inline constexpr char NomeModuloSuono[] = "tarvolini_suono";
inline constexpr char FunzioneModuloSuono[] = "tarvolini_effetti_sonori";
using CreaEffettiSonori = EffettiSonori* (*)();
