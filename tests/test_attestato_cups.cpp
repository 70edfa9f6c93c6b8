// The certificate printed through the system's real print path: a private CUPS server whose default
// queue writes PDFs.
#include "attestato_stampato.h"
#include "banco.h"
#include "certificate/frm_attestato.h"
#include "certificate/pergamena.h"
#include "pdf.h"

#include <QFrame>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>

class TestAttestatoCups : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (const QString motivo = servizioMancante("TARVOLINI_CUPS_DIR"); !motivo.isEmpty())
            QSKIP(qPrintable(motivo));
    }

    void unaPaginaSullaCodaVera()
    {
        const QString cartella = qEnvironmentVariable("TARVOLINI_CUPS_DIR");
        PiattaformaFinta finta;
        StampanteQt stampante;
        Applicazione app(finta.servizi(stampante));
        praticaPromossa(app.modulo1);
        FrmAttestato* f = app.frmAttestato();
        f->show();
        f->Command2->click();
        QVERIFY(finta.messaggi.richieste.isEmpty());
        QVERIFY(f->Command1->isVisible());

        const QStringList pdf = pdfStampati(cartella);
        QCOMPARE(pdf.size(), 1);
        const ImmaginePdf immagine = immagineDelPdf(pdf.first());
        QCOMPARE(immagine.immagini, 1);
        QVERIFY2(immagine.ppi >= 299, qPrintable(QString::number(immagine.ppi)));

        // The page starts at the corner of the printable area, which the queue's margins place.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QPoint angolo = (QPointF(printer.pageLayout().paintRectPoints().topLeft()) * 96.0 / 72.0).toPoint();
        const QImage pagina = paginaInPixel(pdf.first());
        const auto sullaPagina = [&](const QWidget* controllo) {
            return QRect(controllo->mapTo(f->area(), QPoint(0, 0)) + angolo, controllo->size());
        };
        QCOMPARE(pixelDelColore(pagina, pagina.rect(), QColor(255, 192, 255), 6), 0);
        QVERIFY(pixelDelColore(pagina, sullaPagina(f->Frame1).adjusted(3, 3, -3, -3), QColor(192, 255, 255), 6) > 1000);
        QVERIFY(pixelDelColore(pagina, sullaPagina(f->lblNome), QColor(0, 0, 255), 40) > 20);
        QVERIFY(pixelDelColore(pagina, sullaPagina(f->Image1), QColor(205, 28, 38), 12) > 50);
        QFile::remove(pdf.first());
    }
};

TARVOLINI_TEST_MAIN(TestAttestatoCups)
#include "test_attestato_cups.moc"
