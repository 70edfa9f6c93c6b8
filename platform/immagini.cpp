#include "immagini.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>

namespace {

qreal densitaSchermo()
{
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->devicePixelRatio() : 1.0;
}

QPixmap telaVuota(int lato, qreal densita)
{
    QPixmap tela(QSize(lato, lato) * densita);
    tela.setDevicePixelRatio(densita);
    tela.fill(Qt::transparent);
    return tela;
}

} // namespace

QPixmap faccia(bool sorridente, int lato, qreal densita)
{
    QPixmap tela = telaVuota(lato, densita);
    QPainter p(&tela);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / 32.0, lato / 32.0);   // drawn on a 32 × 32 grid
    p.setPen(QPen(QColor(150, 110, 0), 1.4));
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 0));
    p.drawEllipse(QRectF(9.5, 9, 4, 5.5));
    p.drawEllipse(QRectF(18.5, 9, 4, 5.5));
    QPainterPath bocca;
    if (sorridente) {
        bocca.moveTo(8.5, 19);
        bocca.cubicTo(11, 26.5, 21, 26.5, 23.5, 19);
    } else {
        bocca.moveTo(9, 25);
        bocca.cubicTo(12, 19, 20, 19, 23, 25);
    }
    p.setPen(QPen(QColor(60, 40, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bocca);
    return tela;
}

namespace {

// An icon drawn on a 32 × 32 grid at whatever size is asked for, when it is asked for: every window
// carries the program's icon, and most of its sizes are never shown.
class IconaDisegnata : public QIconEngine {
public:
    using Disegno = void (*)(QPainter&);
    explicit IconaDisegnata(Disegno disegno) : disegno_(disegno) {}

    void paint(QPainter* p, const QRect& posto, QIcon::Mode, QIcon::State) override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(posto.topLeft());
        p->scale(posto.width() / 32.0, posto.height() / 32.0);
        disegno_(*p);
        p->restore();
    }

    QPixmap pixmap(const QSize& misura, QIcon::Mode modo, QIcon::State stato) override
    {
        const int lato = std::min(misura.width(), misura.height());
        QPixmap tela = telaVuota(lato, 1.0);
        QPainter p(&tela);
        paint(&p, QRect(0, 0, lato, lato), modo, stato);
        return tela;
    }

    // The sizes handed to the window manager and installed in the desktop's icon theme.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> misure;
        for (int lato : {16, 24, 32, 48, 64, 128, 256})
            misure.append(QSize(lato, lato));
        return misure;
    }

    QIconEngine* clone() const override { return new IconaDisegnata(disegno_); }

private:
    Disegno disegno_;
};

} // namespace

QIcon iconaProgramma()
{
    return QIcon(new IconaDisegnata([](QPainter& p) {
        p.setPen(QPen(QColor(0, 120, 60), 1));
        p.setBrush(QColor(192, 255, 192));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(192, 0, 0));
        p.drawEllipse(QRectF(13.5, 6, 5, 5));
        p.drawRoundedRect(QRectF(6, 14, 20, 4), 2, 2);
        p.drawEllipse(QRectF(13.5, 21, 5, 5));
    }));
}

QIcon iconaEstensione()
{
    return QIcon(new IconaDisegnata([](QPainter& p) {
        p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (qreal x : {8.0, 17.0})
            p.drawPolyline(QPolygonF({QPointF(x, 9), QPointF(x + 7, 16), QPointF(x, 23)}));
    }));
}

QCursor puntatoreMano()
{
    const qreal densita = densitaSchermo();
    QPixmap tela = telaVuota(32, densita);
    QPainter p(&tela);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath mano;
    // A hand pointing up: the index finger, then the closed fist below it.
    mano.addRoundedRect(QRectF(9, 1, 5, 16), 2.5, 2.5);
    mano.addRoundedRect(QRectF(9, 11, 15, 13), 4, 4);
    mano.addRoundedRect(QRectF(4, 13, 7, 6), 3, 3);
    mano.addRoundedRect(QRectF(10, 22, 13, 8), 2, 2);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(mano.simplified());
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(14, 13), QPointF(14, 18));
    p.drawLine(QPointF(19, 13), QPointF(19, 18));
    p.end();
    return QCursor(tela, 11, 1);
}

QCursor puntatoreFaccia()
{
    return QCursor(faccia(true, 32, densitaSchermo()), 16, 16);
}
