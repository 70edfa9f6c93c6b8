// The printer service: the font list, the cursor, the PDF output, and a machine without a printer.
#include "banco.h"
#include "pdf.h"
#include "platform/avvisi_stampa.h"

#include <QLabel>
#include <QTemporaryDir>

class TestStampante : public QObject {
    Q_OBJECT
private slots:
    void elencoFontConCourierNew()
    {
        const StampanteQt stampante;
        QStringList nomi;
        for (int i = 0; i < stampante.numeroFont(); ++i)
            nomi.append(stampante.nomeFont(i));
        QVERIFY(nomi.contains(QStringLiteral("Courier New")));
        QVERIFY(nomi.indexOf(QStringLiteral("Courier New")) < nomi.indexOf(QStringLiteral("Courier")) ||
                !nomi.contains(QStringLiteral("Courier")));
        QVERIFY(nomi.contains(QStringLiteral("Liberation Mono")));
        // No foundry suffix and no name twice.
        for (const QString& nome : nomi)
            QVERIFY2(!nome.endsWith(QLatin1Char(']')), qPrintable(nome));
        QCOMPARE(QSet<QString>(nomi.begin(), nomi.end()).size(), nomi.size());
        QCOMPARE(fontDelSistema(), nomi);   // a stable order
    }

    void testoAlSuoPostoNelPdf()
    {
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("pagina.pdf"));
        {
            StampanteQt stampante(file);
            QVERIFY(stampante.disponibile());
            stampante.impostaFont(QStringLiteral("Courier New"));
            stampante.impostaDimensione(12);
            stampante.impostaX(1000);
            stampante.impostaY(2000);
            stampante.stampa(QStringLiteral("MMMM"), false);
            stampante.stampa(QStringLiteral("iiii"));   // goes on where MMMM ended
            stampante.stampa(QStringLiteral("WWWW"));   // the next line, at the left edge
            QCOMPARE(stampante.fineDocumento(), Stampante::Esito::Stampato);
        }
        QList<ParolaPdf> parole = paroleDelPdf(file);
        std::sort(parole.begin(), parole.end(), [](const ParolaPdf& a, const ParolaPdf& b) { return a.yMin < b.yMin; });
        QCOMPARE(parole.size(), 2);
        // x in points is twips / 20. The line box of a 12-point font starts at its top: 100 pt.
        const ParolaPdf& prima = parole[0];
        QCOMPARE(prima.testo, QStringLiteral("MMMMiiii"));
        QVERIFY2(qAbs(prima.xMin - 50.0) < 1.0, qPrintable(QString::number(prima.xMin)));
        QVERIFY2(qAbs(prima.yMin - 100.0) < 2.0, qPrintable(QString::number(prima.yMin)));
        // Fixed pitch: eight characters of 12 points take 8 × 7.2 points.
        QVERIFY2(qAbs(prima.xMax - prima.xMin - 57.6) < 1.5, qPrintable(QString::number(prima.xMax - prima.xMin)));
        const ParolaPdf& seconda = parole[1];
        QVERIFY(qAbs(seconda.xMin) < 1.0);
        QVERIFY(seconda.yMin > prima.yMin + 10 && seconda.yMin < prima.yMin + 16);
        QVERIFY(fontDelPdf(file).contains(QStringLiteral("LiberationMono")));
    }

    void documentoNuovoSenzaGrassetto()
    {
        StampanteRegistro stampante;
        stampante.impostaGrassetto(true);
        stampante.impostaX(500);
        stampante.stampa(QStringLiteral("uno"));
        QCOMPARE(stampante.fineDocumento(), Stampante::Esito::Stampato);
        QVERIFY(!stampante.grassetto());
        QCOMPARE(stampante.x(), 0);
        QCOMPARE(stampante.y(), 0);
        stampante.stampa(QStringLiteral("due"));
        QCOMPARE(stampante.testiDel(0).size(), 1);
        QVERIFY(stampante.testiDel(0).first().grassetto);
        QVERIFY(!stampante.testiDel(1).first().grassetto);
    }

    void senzaStampante()
    {
        // The tests pin CUPS to a server that does not exist: the system has no printer.
        QCOMPARE(qgetenv("CUPS_SERVER"), QByteArray("/nonexistent.sock"));
        StampanteQt stampante;
        QVERIFY(!stampante.disponibile());
        stampante.stampa(QStringLiteral("niente"));
        MessaggiFinti messaggi;
        QVERIFY(!concludiStampa(stampante, messaggi));
        QCOMPARE(messaggi.richieste.size(), 1);
        QCOMPARE(messaggi.richieste[0].testo, TestoNessunaStampante);
        QVERIFY(!stampanteDisponibile(stampante, messaggi));
        QCOMPARE(messaggi.richieste.size(), 2);
    }

    void paginaRifiutata()
    {
        StampanteRegistro stampante;
        stampante.rifiuta = true;
        stampante.stampa(QStringLiteral("x"));
        MessaggiFinti messaggi;
        QVERIFY(!concludiStampa(stampante, messaggi));
        QCOMPARE(messaggi.richieste.value(0).testo, TestoStampaRifiutata);
        QCOMPARE(stampante.documenti, 0);
    }

    void immagineAGrandezzaVera()
    {
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("immagine.pdf"));
        QLabel finestra(QStringLiteral("ATTESTATO"));
        finestra.setFixedSize(400, 300);   // 6000 × 4500 twips: 300 × 225 points
        finestra.setFont(QFont(QStringLiteral("Liberation Sans"), 20));
        {
            StampanteQt stampante(file);
            stampante.stampaImmagine(&finestra);
            QCOMPARE(stampante.fineDocumento(), Stampante::Esito::Stampato);
        }
        QProcess pdfimages;
        pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
        QVERIFY(pdfimages.waitForFinished(30000));
        const QStringList righe = QString::fromUtf8(pdfimages.readAllStandardOutput()).split(QLatin1Char('\n'));
        QVERIFY(righe.size() >= 3);
        const QStringList campi = righe[2].simplified().split(QLatin1Char(' '));
        // page num type width height ... x-ppi y-ppi
        QCOMPARE(campi.value(3).toInt(), 1250);   // 400 px at 300 dpi on 300 points
        QVERIFY(campi.value(12).toInt() >= 299);
    }
};

TARVOLINI_TEST_MAIN(TestStampante)
#include "test_stampante.moc"
