#include "tavola_controlli.h"

#include "../platform/forma.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace tavola {

namespace {

// A filled rounded rectangle drawn inside its own bounds.
class Arrotondato : public QWidget {
public:
    Arrotondato(QWidget* genitore, const QColor& riempimento, int spessore)
        : QWidget(genitore), riempimento_(riempimento), spessore_(spessore)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, spessore_));
        p.setBrush(riempimento_);
        const qreal meta = spessore_ / 2.0;
        const QRectF dentro = QRectF(rect()).adjusted(meta, meta, -meta, -meta);
        const qreal raggio = std::min(dentro.width(), dentro.height()) / 8;
        p.drawRoundedRect(dentro, raggio, raggio);
    }

private:
    QColor riempimento_;
    int spessore_;
};

forma::Aspetto aspetto(const Controllo& c, const QFont& ereditato)
{
    forma::Aspetto a;
    a.font = c.carattere.famiglia ? forma::carattere(QString::fromLatin1(c.carattere.famiglia),
                                                     c.carattere.punti, c.carattere.grassetto)
                                  : ereditato;
    a.sfondo = c.sfondo;
    a.testo = c.testo;
    a.allineamento = (c.centrato ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    a.bordo = c.bordo > 0;
    return a;
}

// The controls that the platform's factories do not make, bare.
QWidget* nuovo(const Controllo& c, QWidget* dentro)
{
    switch (c.tipo) {
    case Tipo::Cornice:
    case Tipo::Immagine: {
        auto* f = new QFrame(dentro);
        // A frame's border is etched, an image box's a plain line.
        if (c.bordo > 0)
            f->setFrameStyle(QFrame::Box | (c.tipo == Tipo::Cornice ? QFrame::Sunken : QFrame::Plain));
        return f;
    }
    case Tipo::Elenco:
        return new QComboBox(dentro);
    case Tipo::CampoTesto: {
        auto* t = new QLineEdit(QString::fromUtf8(c.scritta), dentro);
        t->setAlignment(c.centrato ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        return t;
    }
    case Tipo::Arrotondato:
        return new Arrotondato(dentro, c.sfondo.value_or(Qt::white), c.bordo);
    case Tipo::Etichetta:
    case Tipo::Pulsante:
        break;
    }
    return nullptr;
}

QWidget* crea(const Controllo& c, QWidget* dentro)
{
    const QRect posto(c.sinistra, c.alto, c.larghezza, c.altezza);
    const forma::Aspetto a = aspetto(c, dentro->font());
    if (c.tipo == Tipo::Etichetta)
        return forma::etichetta(dentro, c.nome, QString::fromUtf8(c.scritta), posto, a);
    if (c.tipo == Tipo::Pulsante)
        return forma::pulsante(dentro, c.nome, QString::fromUtf8(c.scritta), posto, a);
    QWidget* w = nuovo(c, dentro);
    w->setObjectName(QString::fromLatin1(c.nome));
    w->setGeometry(forma::rettangolo(c.sinistra, c.alto, c.larghezza, c.altezza));
    w->setFont(a.font);
    // A rounded rectangle paints its own fill, and only inside its corners.
    if (c.sfondo && c.tipo != Tipo::Arrotondato)
        forma::sfondo(w, *c.sfondo);
    if (c.testo)
        forma::coloreTesto(w, *c.testo);
    return w;
}

} // namespace

void costruisci(QWidget* finestra, std::span<const Controllo> controlli)
{
    QHash<QString, QWidget*> creati;
    for (const Controllo& c : controlli) {
        QWidget* dentro = *c.contenitore ? creati.value(QString::fromLatin1(c.contenitore)) : finestra;
        Q_ASSERT_X(dentro, c.nome, "its container must come earlier in the table");
        creati.insert(QString::fromLatin1(c.nome), crea(c, dentro));
    }
    // Raising from the last row up leaves the first row of each container on top.
    std::for_each(controlli.rbegin(), controlli.rend(),
                  [&creati](const Controllo& c) { creati.value(QString::fromLatin1(c.nome))->raise(); });
}

} // namespace tavola
