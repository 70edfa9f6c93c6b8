#pragma once
// Modulo1: the variables that every window of the program reads and writes during one run.
// Whole-number cells start at 0 and text cells empty, which is how an empty cell behaves.
#include <QString>
#include <array>
#include <cstdint>

struct Modulo1 {
    static constexpr int SlotOperazioni = 46;   // records 0..45; a practice uses 1..40
    static constexpr int SlotTempi = 6;         // exercise times 0..5; a practice uses 1..4
    static constexpr int OperazioniPerPratica = 40;
    static constexpr int OperazioniPerEsercizio = 10;
    static constexpr int SogliaRevisione = 10;  // the view menus open after this many problems
    static constexpr int RispostaMassima = 3;   // characters in the answer field
    static constexpr int TettoTempoRisposta = 99;
    static constexpr int TettoTempoEsercizio = 999;

    // Choices of the setup window.
    QString Nome;
    int Fascia = 0;
    int NumeroMinimo = 0;
    int16_t NumeroMassimo = 0;

    // The current problem.
    int Quoto = 0;
    int Divisore = 0;
    int16_t QuotoIntero = 0;
    QString RispostaAttesa;
    QString SpazioQuoto;
    QString SpazioQuoto2;

    // The answer.
    QString Digitato;
    QString SpazioDigitato;

    // Counters.
    int ContatoreOperazioni = 0;
    int NumeroOperazione = 0;
    int16_t NumeroEsercizio = 0;
    int Esatte = 0;
    int16_t Errate = 0;
    int16_t RisposteEsatte = 0;

    // Times, in seconds since midnight or whole seconds.
    double InizioTempo = 0;
    double FineTempo = 0;
    int TempoRisposta = 0;
    QString TempoRispostaTesto;
    QString SpazioTempo;
    std::array<int, SlotTempi> TempiTotali{};
    std::array<QString, SlotTempi> TempiTotaliTesto{};

    // One operation record per problem of the practice.
    std::array<QString, SlotOperazioni> Operazioni{};

    // Message boxes.
    QString Messaggio;
    QString TitoloMessaggio;
    int16_t StileMessaggio = 0;
    int Scelta = 0;

    // Others.
    QString ColoreTema;
    int Indice = 0;
    int LunghezzaNome = 0;
    int16_t Voto = 0;
    QString Giudizio;

    // The instruction text that the last mode choice wrote into the drill window, kept here so that
    // the certificate can still show it once the drill window has been closed.
    QString TestoIstruzione;
};
