#pragma once
// The printer as the program sees it: a font list, a current font and a current position in twips
// (1/1440 inch) from the top-left corner of the page's printable area, texts printed there, and the
// image of a window. A document begins with the first thing printed and ends with fineDocumento().
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

class Stampante {
public:
    enum class Esito { Stampato, NessunaStampante, Rifiutato };

    virtual ~Stampante() = default;

    // Font list of the default printer, by index 0..numeroFont()-1.
    virtual int numeroFont() const = 0;
    virtual QString nomeFont(int indice) const = 0;
    // False when the system has no printer at all: nothing can be sent.
    virtual bool disponibile() const = 0;

    virtual void impostaFont(const QString& nome) = 0;
    virtual QString font() const = 0;
    virtual void impostaDimensione(double punti) = 0;
    virtual double dimensione() const = 0;
    virtual void impostaGrassetto(bool grassetto) = 0;
    virtual bool grassetto() const = 0;
    virtual void impostaX(int twips) = 0;
    virtual void impostaY(int twips) = 0;
    virtual int x() const = 0;
    virtual int y() const = 0;

    // Prints at the current position; with a line end the position moves to the start of the next
    // line, without one it moves past the text.
    virtual void stampa(const QString& testo, bool aCapo = true) = 0;
    virtual void aCapo() = 0;
    // Prints the window's client area at its real size (15 twips to a pixel) from the top-left of
    // the printable area.
    virtual void stampaImmagine(QWidget* finestra) = 0;
    // Sends the page. Afterwards the next document starts from the defaults (position 0, 0, bold off).
    virtual Esito fineDocumento() = 0;
};

// The cursor and font logic that every printer shares; the drawing is left to the subclass.
class StampanteBase : public Stampante {
public:
    StampanteBase();
    void impostaFont(const QString& nome) override { nomeCorrente = nome; }
    QString font() const override { return nomeCorrente; }
    void impostaDimensione(double punti) override { punti_ = punti; }
    double dimensione() const override { return punti_; }
    void impostaGrassetto(bool g) override { grassetto_ = g; }
    bool grassetto() const override { return grassetto_; }
    void impostaX(int twips) override { x_ = twips; }
    void impostaY(int twips) override { y_ = twips; }
    int x() const override { return x_; }
    int y() const override { return y_; }
    void stampa(const QString& testo, bool aCapo = true) override;
    void aCapo() override;

    // The current font, sized in twips (one pixel of the font = one twip).
    QFont fontInTwips() const;

protected:
    virtual void disegnaTesto(const QString& testo, const QFont& fontTwips, int x, int y) = 0;
    // Back to the state in which every document starts.
    void azzera();

private:
    QString nomeCorrente;
    double punti_ = 0;
    bool grassetto_ = false;
    int x_ = 0;
    int y_ = 0;
};

// The installed font families in a stable order, then "Courier New" and "Courier" where the font
// system answers those names with an installed fixed-pitch family.
QStringList fontDelSistema();

// The real printer: the system's default printer through Qt Print Support, A4 portrait, or a PDF
// file when one is named (for tests; its printable area is then the whole page).
class StampanteQt : public StampanteBase {
public:
    explicit StampanteQt(const QString& filePdf = {});
    ~StampanteQt() override;
    int numeroFont() const override;
    QString nomeFont(int indice) const override;
    bool disponibile() const override;
    void stampaImmagine(QWidget* finestra) override;
    Esito fineDocumento() override;

protected:
    void disegnaTesto(const QString& testo, const QFont& fontTwips, int x, int y) override;

private:
    struct Documento;
    Documento* apri();

    QString filePdf;
    mutable QStringList elencoFont;
    Documento* documento = nullptr;
};
