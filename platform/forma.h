#pragma once
// Building the program's fixed-size windows from layout tables in twips (15 twips to a pixel at 96 DPI):
// conversions, colours, fonts and a small factory for the controls.
#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <optional>

class QLabel;
class QPushButton;
class QWidget;

namespace forma {

int px(int twips);
// A control's place and size, given in twips, in pixels.
QRect rettangolo(int sinistra, int alto, int larghezza, int altezza);

// A packed colour is red + 256 × green + 65536 × blue.
long long compattato(const QColor& colore);
QColor daCompattato(long long valore);
// "&H00004080": a packed colour in hexadecimal, blue byte first.
QColor daEsadecimale(const QString& testo);

QFont carattere(const QString& famiglia, double punti, bool grassetto = false);

void sfondo(QWidget* controllo, const QColor& colore);
void coloreTesto(QWidget* controllo, const QColor& colore);

// Within one container the control named first lies on top.
void impila(std::initializer_list<QWidget*> dallAlto);

// How a label or a button looks; what is not given stays as the style draws it.
struct Aspetto {
    QFont font;
    std::optional<QColor> sfondo;   // an opaque background
    std::optional<QColor> testo;
    Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop;
    bool bordo = false;
};

// A label, named and placed in twips; its text wraps at blanks when wider than the label.
QLabel* etichetta(QWidget* contenitore, const char* nome, const QString& testo,
                  const QRect& twips, const Aspetto& aspetto);
// A button in its own colour, pressed by Enter or Space whenever it has the focus.
QPushButton* pulsante(QWidget* contenitore, const char* nome, const QString& testo,
                      const QRect& twips, const Aspetto& aspetto);

} // namespace forma

// A window of fixed size whose client area, below its menu bar, has the size given in twips.
// Closing it destroys it; chiusa() tells a window that is on its way out.
class FinestraFissa : public QMainWindow {
    Q_OBJECT
public:
    FinestraFissa(const char* nome, int larghezzaTwips, int altezzaTwips);
    QWidget* area() const { return area_; }
    bool chiusa() const { return chiusa_; }
    // Fixes the window's size to its client area and menu bar; call once the menus are built.
    void fissa();
    void centra();

protected:
    // Runs when the window is closed by any path (close box, code); the close always goes through.
    virtual void allaChiusura() {}
    void closeEvent(QCloseEvent* evento) final;
    // The first show, once every control exists, names the controls for a screen reader.
    void showEvent(QShowEvent* evento) override;

private:
    QWidget* area_;
    bool chiusa_ = false;
    bool accessibile_ = false;
};
