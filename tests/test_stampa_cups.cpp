// A page through the system's real print path: a private CUPS server whose default queue writes PDFs.
#include "banco.h"
#include "pdf.h"

#include <QPrinter>
#include <QPrinterInfo>

class TestStampaCups : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (const QString motivo = servizioMancante("TARVOLINI_CUPS_DIR"); !motivo.isEmpty())
            QSKIP(qPrintable(motivo));
    }

    void unaRigaSullaCodaVera()
    {
        const QString cartella = qEnvironmentVariable("TARVOLINI_CUPS_DIR");
        QVERIFY(!QPrinterInfo::availablePrinterNames().isEmpty());
        StampanteQt stampante;
        QVERIFY(stampante.disponibile());
        stampante.impostaFont(QStringLiteral("Courier New"));
        stampante.impostaDimensione(12);
        stampante.impostaX(1000);
        stampante.impostaY(2000);
        stampante.stampa(QStringLiteral("PROVA-DI-STAMPA"));
        QCOMPARE(stampante.fineDocumento(), Stampante::Esito::Stampato);

        const QStringList pdf = pdfStampati(cartella);
        QCOMPARE(pdf.size(), 1);
        QVERIFY2(QFileInfo(pdf.first()).fileName().contains(QStringLiteral("TARVOLINI")), qPrintable(pdf.first()));
        // Positions count from the printable area, whose corner the queue's own margins place.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QRectF area = printer.pageLayout().paintRectPoints();
        const QList<ParolaPdf> parole = paroleDelPdf(pdf.first());
        QCOMPARE(parole.size(), 1);
        QCOMPARE(parole[0].testo, QStringLiteral("PROVA-DI-STAMPA"));
        QVERIFY2(qAbs(parole[0].xMin - (area.left() + 50)) < 1.5, qPrintable(QString::number(parole[0].xMin)));
        QVERIFY2(qAbs(parole[0].yMin - (area.top() + 100)) < 2.5, qPrintable(QString::number(parole[0].yMin)));
        QVERIFY(fontDelPdf(pdf.first()).contains(QStringLiteral("LiberationMono")));
        QFile::remove(pdf.first());
    }
};

TARVOLINI_TEST_MAIN(TestStampaCups)
#include "test_stampa_cups.moc"
