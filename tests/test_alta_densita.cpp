// The program on a screen of device pixel ratio 2: windows keep their size in points, the faces are
// drawn at double resolution rather than blown up.
#include "test_drill_banco.h"
#include "platform/immagini.h"

namespace {

// The physical pixels of a control as grabbed from its window.
QImage pixelDi(QWidget* finestra, QWidget* controllo)
{
    const QImage tutta = finestra->grab().toImage();
    const qreal r = tutta.devicePixelRatio();
    const QRect logico(controllo->mapTo(finestra, QPoint(0, 0)), controllo->size());
    return tutta.copy(QRect((QPointF(logico.topLeft()) * r).toPoint(), (QSizeF(logico.size()) * r).toSize()));
}

// How many of the opaque pixels of `modello` differ in `schermo`.
int differenze(const QImage& schermo, const QImage& modello)
{
    int n = 0;
    for (int y = 0; y < modello.height(); ++y)
        for (int x = 0; x < modello.width(); ++x)
            if (qAlpha(modello.pixel(x, y)) == 255)
                n += schermo.pixel(x, y) != modello.pixel(x, y);
    return n;
}

} // namespace

class ProvaAltaDensita : public QObject {
    Q_OBJECT
private slots:
    void finestraEsercizio()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        Banco b;
        accodaProblema(b, 7, 6);
        FrmOperativoMeno* w = apriOperativo(b);
        w->show();
        // Sizes in device-independent pixels are those of ratio 1: the window keeps its proportions.
        QCOMPARE(w->area()->size(), QSize(forma::px(11910), forma::px(8340)));
        QCOMPARE(w->LblEsito->geometry(), forma::rettangolo(600, 3870, 6375, 975));
        const QImage schermata = w->grab().toImage();
        QCOMPARE(schermata.size(), w->size() * 2);

        w->Image[1]->show();
        const QPixmap disegnata = w->Image[1]->pixmap();
        QCOMPARE(disegnata.devicePixelRatio(), 2.0);
        QCOMPARE(disegnata.size(), QSize(64, 64));
        const QImage faccia2x = pixelDi(w, w->Image[1]).copy(0, 0, 64, 64);
        // On screen are the pixels of the face drawn at double resolution, not those of one blown up.
        const QImage nitida = faccia(true, 32, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage ingrandita = faccia(true, 32, 1.0).toImage().convertToFormat(QImage::Format_ARGB32).scaled(64, 64);
        QCOMPARE(differenze(faccia2x, nitida), 0);
        QVERIFY2(differenze(faccia2x, ingrandita) > 100, qPrintable(QString::number(differenze(faccia2x, ingrandita))));
        // The text keeps its size in points, so twice the pixels.
        QCOMPARE(w->LblEsito->font().pointSizeF(), 48.0);
        w->close();
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication applicazione(argc, argv);
    preparaAspetto(applicazione);
    ProvaAltaDensita prova;
    return QTest::qExec(&prova, argc, argv);
}
#include "test_alta_densita.moc"
