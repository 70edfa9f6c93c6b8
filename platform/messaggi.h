#pragma once
// Modal message boxes with the button codes the program works with.
#include <QString>

class Messaggi {
public:
    // Button styles, added together as the program needs them.
    static constexpr int SoloOk = 0;
    static constexpr int SiNo = 4;
    static constexpr int Informazione = 64;
    // Buttons pressed.
    static constexpr int Ok = 1;
    static constexpr int Si = 6;
    static constexpr int No = 7;

    virtual ~Messaggi() = default;
    // Shows the text (a carriage return starts a new line) and waits for a button. An empty title
    // stands for the program's own title.
    virtual int mostra(const QString& testo, int stile, const QString& titolo = {}) = 0;
};

class MessaggiQt : public Messaggi {
public:
    int mostra(const QString& testo, int stile, const QString& titolo) override;
};
