#pragma once
// Test doubles of the platform: a clock that tests set, random values they script, message boxes
// answered from a script, and recorders for sound, launching, ending and printing.
#include "../piattaforma.h"

#include <QImage>
#include <QList>
#include <QQueue>
#include <QRect>
#include <QCursor>
#include <functional>
#include <optional>

class OrologioFinto : public Orologio {
public:
    double secondi = 36000;           // 10:00:00
    QString data = QStringLiteral("11/12/26");
    double secondiDallaMezzanotte() const override { return secondi; }
    QString dataBreve() const override { return data; }
};

// Gives the scripted values first, then those of a fixed-seed generator; records every seed.
class CasualeFinto : public Casuale {
public:
    QQueue<double> valori;
    QList<double> semi;
    void semina(double seme) override;
    double prossimo() override;

private:
    CasualeMersenne riserva{12345};
};

class MessaggiFinti : public Messaggi {
public:
    struct Richiesta {
        QString testo;
        int stile;
        QString titolo;
    };
    QList<Richiesta> richieste;
    // Answers given in turn; when none is left, OK boxes answer Ok and Yes/No boxes answer No.
    QQueue<int> risposte;
    // Runs while the box would be on screen, before it answers (to look at the windows meanwhile).
    std::function<void(const Richiesta&)> mentreAperto;
    int mostra(const QString& testo, int stile, const QString& titolo = {}) override;
};

class SuonoFinto : public Suono {
public:
    int beep_ = 0;
    QStringList riprodotti;
    void beep() override { ++beep_; }
    void riproduci(const QString& percorso) override { riprodotti.append(percorso); }
};

class AvvioFinto : public Avvio {
public:
    bool riesce = false;
    QStringList avviati;
    bool avvia(const QString& nomeFile) override
    {
        avviati.append(nomeFile);
        return riesce;
    }
};

class ProgrammaFinto : public Programma {
public:
    QString cartella_ = QStringLiteral("/opt/tarvolini");
    int terminazioni = 0;
    QString cartella() const override { return cartella_; }
    void terminaSubito() override { ++terminazioni; }
};

// Records what would be printed, document by document.
class StampanteRegistro : public StampanteBase {
public:
    struct Testo {
        QString testo;
        int x, y;
        QString font;
        double dimensione;
        bool grassetto;
        int documento;   // 0 for the first document
    };
    struct Immagine {
        QImage immagine;
        QRect twips;     // where it lands on the page
        int documento;
    };
    QStringList elencoFont{QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman")};
    bool presente = true;
    bool rifiuta = false;
    QList<Testo> testi;
    QList<Immagine> immagini;
    int documenti = 0;   // documents sent
    // The pointer shown while the last document was handed over (none: the usual arrow).
    std::optional<Qt::CursorShape> cursoreAllaFine;

    int numeroFont() const override { return static_cast<int>(elencoFont.size()); }
    QString nomeFont(int indice) const override { return elencoFont.value(indice); }
    bool disponibile() const override { return presente; }
    void stampaImmagine(QWidget* finestra) override;
    Esito fineDocumento() override;
    // The texts of one document, in the order printed.
    QList<Testo> testiDel(int documento) const;

protected:
    void disegnaTesto(const QString& testo, const QFont& fontTwips, int x, int y) override;

private:
    int iniziati = 0;   // documents begun, sent or not
};

// All the doubles together, ready to hand to the program.
struct PiattaformaFinta {
    OrologioFinto orologio;
    CasualeFinto casuale;
    MessaggiFinti messaggi;
    SuonoFinto suono;
    AvvioFinto avvio;
    ProgrammaFinto programma;
    StampanteRegistro stampante;
    Piattaforma servizi() { return servizi(stampante); }
    // The same doubles with another printer, such as a real one.
    Piattaforma servizi(Stampante& altra) { return {orologio, casuale, messaggi, suono, avvio, programma, altra}; }
};
