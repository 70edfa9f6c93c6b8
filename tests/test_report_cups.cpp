// The report of a whole practice printed through the system's default printer, a real CUPS queue
// that writes PDFs, and read back from the PDF: every line at its place, in a fixed-pitch font.
#include "banco.h"
#include "pdf.h"
#include "revisione_pratica.h"
#include "review/frm_stampa.h"

#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>

namespace {

// The text that the PDF holds on one printed line: its words put back at their character columns,
// counted in a fixed pitch of 0.6 em from the line's left end. Empty when nothing lies there.
QString rigaNelPdf(const QList<ParolaPdf>& parole, QPointF inizio, double punti, int caratteri, QSet<int>& usate)
{
    const double passo = 0.6 * punti;
    QString riga;
    for (int i = 0; i < parole.size(); ++i) {
        const ParolaPdf& p = parole.at(i);
        if (qAbs(p.yMin - inizio.y()) > 0.2 * punti || p.xMin < inizio.x() - 1 ||
            p.xMin > inizio.x() + caratteri * passo)
            continue;
        const int colonna = qRound((p.xMin - inizio.x()) / passo);
        // Each word spans its own characters at the same pitch.
        if (qAbs(p.xMax - p.xMin - p.testo.size() * passo) > 0.5 * passo)
            return QStringLiteral("<%1 not fixed pitch>").arg(p.testo);
        if (riga.size() < colonna + p.testo.size())
            riga = riga.leftJustified(colonna + p.testo.size());
        riga.replace(colonna, p.testo.size(), p.testo);
        usate.insert(i);
    }
    return riga;
}

QString senzaBlanchiFinali(QString testo)
{
    while (testo.endsWith(QLatin1Char(' ')))
        testo.chop(1);
    return testo;
}

} // namespace

class TestReportCups : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (const QString motivo = servizioMancante("TARVOLINI_CUPS_DIR"); !motivo.isEmpty())
            QSKIP(qPrintable(motivo));
    }

    void praticaInteraSullaCodaVera()
    {
        const QString cartella = qEnvironmentVariable("TARVOLINI_CUPS_DIR");
        QVERIFY(!QPrinterInfo::availablePrinterNames().isEmpty());

        PiattaformaFinta finta;
        StampanteQt vera;
        Applicazione app(finta.servizi(vera));
        riempiPratica(app.modulo1, 40);
        FrmStampa* f = app.frmStampa();
        QCOMPARE(f->Label6->text(), QStringLiteral("Courier New"));
        f->cmdStampaS->click();
        QVERIFY(finta.messaggi.richieste.isEmpty());

        const QStringList pdf = pdfStampati(cartella);
        QCOMPARE(pdf.size(), 1);
        QVERIFY2(QFileInfo(pdf.first()).fileName().contains(QStringLiteral("TARVOLINI")), qPrintable(pdf.first()));

        // Places count from the printable area's corner, which the queue's own margins fix.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QPointF angolo = printer.pageLayout().paintRectPoints().topLeft();
        struct Riga {
            QString testo;
            int x, y;   // twips
            double punti;
        };
        QList<Riga> attese{{QStringLiteral("SCUOLA ELEMENTARE DI_____________________"), 1000, 1000, 18}};
        for (int n = 1; n <= 40; ++n) {
            const int colonna = (n - 1) / 10;
            const int x = colonna % 2 == 0 ? 1000 : 6000;
            const int y = 2000 + ((n - 1) % 10 + (colonna >= 2 ? 11 : 0)) * 400;
            attese.append({recordDiProva(n), x, y, 12});
        }
        attese.append({QStringLiteral("Eser. n.1: Tempo tot.  48 secondi"), 1000, 11000, 12});
        attese.append({QStringLiteral("Eser. n.2: Tempo tot.  103 secondi"), 6000, 11000, 12});
        attese.append({QStringLiteral("Eser. n.3: Tempo tot.  9 secondi"), 1000, 12000, 12});
        attese.append({QStringLiteral("Eser. n.4: Tempo tot.  1000 secondi"), 6000, 12000, 12});

        const QList<ParolaPdf> parole = paroleDelPdf(pdf.first());
        QSet<int> usate;
        for (const Riga& r : attese) {
            const QPointF inizio = angolo + QPointF(r.x / 20.0, r.y / 20.0);
            QCOMPARE(rigaNelPdf(parole, inizio, r.punti, static_cast<int>(r.testo.size()), usate),
                     senzaBlanchiFinali(r.testo));
        }
        // Nothing else is on the page.
        QCOMPARE(usate.size(), parole.size());

        // The body in the bold face, the heading in the regular one, both the fixed-pitch Courier New twin.
        const QString fonts = fontDelPdf(pdf.first());
        QVERIFY2(fonts.contains(QStringLiteral("LiberationMono-Bold ")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QStringLiteral("LiberationMono ")), qPrintable(fonts));
        QFile::remove(pdf.first());
    }
};

TARVOLINI_TEST_MAIN(TestReportCups)
#include "test_report_cups.moc"
