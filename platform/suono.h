#pragma once
// The system beep and the asynchronous playing of a sound file.
#include <QHash>
#include <QString>
#include <optional>

class QSoundEffect;

class Suono {
public:
    virtual ~Suono() = default;
    virtual void beep() = 0;
    // Starts playing and returns at once; the outcome is never reported.
    virtual void riproduci(const QString& percorso) = 0;
    // Loads the file ahead of its first use, so that the first play starts at once.
    virtual void prepara(const QString&) {}
};

// Plays through QSoundEffect. A file that is missing, or a machine without sound output, stays silent
// without a word, so that nothing slows down or floods the log on every answer.
class SuonoQt : public Suono {
public:
    SuonoQt() = default;
    ~SuonoQt() override;
    void beep() override;
    void riproduci(const QString& percorso) override;
    void prepara(const QString& percorso) override;
    // The effect that plays the file once it has been asked for, to follow its playing; null while
    // nothing can play it.
    const QSoundEffect* effettoDi(const QString& percorso) const { return effetti.value(percorso); }

private:
    QSoundEffect* effetto(const QString& percorso);
    // Asked of the sound system at the first sound, not at start-up, where it would only slow the
    // first window down.
    std::optional<bool> uscitaPresente;
    QHash<QString, QSoundEffect*> effetti;
};
