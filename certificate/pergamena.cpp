#include "pergamena.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

// The picture is drawn on a grid of the certificate box's own size, in twips.
constexpr double Larghezza = 4890;
constexpr double Altezza = 6390;

const QColor CartaChiara(253, 244, 216);
const QColor CartaMedia(241, 222, 178);
const QColor CartaScura(214, 180, 122);
const QColor Contorno(140, 96, 44);
const QColor Fregio(186, 144, 84);
const QColor Rosso(205, 28, 38);
const QColor RossoScuro(130, 10, 20);
const QColor Giallo(255, 204, 32);
const QColor GialloChiaro(255, 236, 130);
const QColor Oro(190, 130, 0);

// The sheet between the two rolls, its sides bowed a little as real parchment is.
void foglio(QPainter& p)
{
    QPainterPath bordo;
    bordo.moveTo(560, 420);
    bordo.lineTo(4330, 420);
    bordo.cubicTo(4400, 2100, 4250, 4300, 4330, 5990);
    bordo.lineTo(560, 5990);
    bordo.cubicTo(490, 4300, 640, 2100, 560, 420);
    QRadialGradient luce(QPointF(2445, 3150), 3300);
    luce.setColorAt(0.0, CartaChiara);
    luce.setColorAt(0.65, CartaMedia);
    luce.setColorAt(1.0, CartaScura);
    p.setPen(QPen(Contorno, 16));
    p.setBrush(luce);
    p.drawPath(bordo);

    // A thin double frame just inside the edges.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Fregio, 14));
    p.drawRoundedRect(QRectF(680, 720, 3530, 4960), 60, 60);
    p.setPen(QPen(Fregio, 6));
    p.drawRoundedRect(QRectF(740, 780, 3410, 4840), 40, 40);
}

// One rolled end of the scroll: a shaded cylinder with a spiral showing at each end.
void rotolo(QPainter& p, double alto)
{
    const double altezza = 440;
    QLinearGradient ombra(0, alto, 0, alto + altezza);
    ombra.setColorAt(0.0, QColor(170, 126, 66));
    ombra.setColorAt(0.3, QColor(250, 236, 198));
    ombra.setColorAt(0.6, CartaMedia);
    ombra.setColorAt(1.0, QColor(146, 100, 48));
    p.setPen(QPen(Contorno, 16));
    p.setBrush(ombra);
    p.drawRect(QRectF(330, alto, 4230, altezza));

    for (double centro : {330.0, 4560.0}) {
        const QPointF mezzo(centro, alto + altezza / 2);
        p.setPen(QPen(Contorno, 16));
        p.setBrush(CartaScura);
        p.drawEllipse(mezzo, 120, altezza / 2);
        // The spiral of the rolled sheet, as shrinking rings.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Contorno, 10));
        for (double raggio : {0.72, 0.46, 0.22})
            p.drawEllipse(mezzo, 120 * raggio, altezza / 2 * raggio);
    }
}

// The two ribbon tails under the rosette, each cut with a notch at its end.
void nastri(QPainter& p, const QPointF& centro)
{
    p.setPen(QPen(RossoScuro, 12));
    p.setBrush(Rosso);
    for (double verso : {-1.0, 1.0}) {
        QPainterPath coda;
        coda.moveTo(centro.x() + verso * 40, centro.y());
        coda.lineTo(centro.x() + verso * 250, centro.y());
        coda.lineTo(centro.x() + verso * 430, centro.y() + 900);
        coda.lineTo(centro.x() + verso * 300, centro.y() + 780);
        coda.lineTo(centro.x() + verso * 200, centro.y() + 940);
        coda.closeSubpath();
        p.drawPath(coda);
    }
}

// The rosette: a pleated yellow ring, a red band and a yellow heart.
void coccarda(QPainter& p, const QPointF& centro)
{
    constexpr int Pieghe = 28;
    QPolygonF pieghe;
    for (int i = 0; i < 2 * Pieghe; ++i) {
        const double angolo = i * std::numbers::pi / Pieghe;
        const double raggio = i % 2 == 0 ? 440 : 370;
        pieghe << centro + QPointF(raggio * std::cos(angolo), raggio * std::sin(angolo));
    }
    p.setPen(QPen(Oro, 12));
    p.setBrush(Giallo);
    p.drawPolygon(pieghe);

    p.setPen(QPen(RossoScuro, 12));
    p.setBrush(Rosso);
    p.drawEllipse(centro, 320, 320);

    QRadialGradient riflesso(centro - QPointF(70, 70), 260);
    riflesso.setColorAt(0.0, GialloChiaro);
    riflesso.setColorAt(1.0, Giallo);
    p.setPen(QPen(Oro, 10));
    p.setBrush(riflesso);
    p.drawEllipse(centro, 220, 220);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Rosso, 14));
    p.drawEllipse(centro, 150, 150);
}

} // namespace

Pergamena::Pergamena(QWidget* genitore) : QWidget(genitore) {}

void Pergamena::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / Larghezza, height() / Altezza);
    foglio(p);
    rotolo(p, 180);
    rotolo(p, 5790);
    const QPointF centroCoccarda(3900, 5330);
    nastri(p, centroCoccarda);
    coccarda(p, centroCoccarda);
}
