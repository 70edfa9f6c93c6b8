// The printed report through the recording printer: what lands where, in which font, and when
// nothing may be printed.
#include "banco.h"
#include "revisione_pratica.h"
#include "platform/avvisi_stampa.h"
#include "review/frm_stampa.h"

#include <QLabel>
#include <QPushButton>

namespace {

using Testo = StampanteRegistro::Testo;

const QString Intestazione = QStringLiteral("SCUOLA ELEMENTARE DI_____________________   ");

// The review window open on a practice, its print button pressed.
FrmStampa* stampaDopo(Banco& b, int problemi)
{
    riempiPratica(b.m, problemi);
    FrmStampa* f = b.app.frmStampa();
    f->show();
    f->cmdStampaS->click();
    return f;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { eliminaChiuse(); }

    void paginaDiUnaPraticaIntera_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("1") << 1 << 1000 << 2000;
        QTest::newRow("10") << 10 << 1000 << 5600;
        QTest::newRow("11") << 11 << 6000 << 2000;
        QTest::newRow("20") << 20 << 6000 << 5600;
        QTest::newRow("21") << 21 << 1000 << 6400;
        QTest::newRow("30") << 30 << 1000 << 10000;
        QTest::newRow("31") << 31 << 6000 << 6400;
        QTest::newRow("40") << 40 << 6000 << 10000;
    }

    void paginaDiUnaPraticaIntera()
    {
        QFETCH(int, numero);
        QFETCH(int, x);
        QFETCH(int, y);
        Banco b;
        stampaDopo(b, 40);
        QCOMPARE(b.finta.stampante.documenti, 1);
        const QList<Testo> testi = b.finta.stampante.testiDel(0);
        QCOMPARE(testi.size(), 1 + 40 + 4);
        const Testo& record = testi.at(numero);
        QCOMPARE(record.testo, recordDiProva(numero));
        QCOMPARE(QPoint(record.x, record.y), QPoint(x, y));
        QCOMPARE(record.font, QStringLiteral("Courier New"));
        QCOMPARE(record.dimensione, 12.0);
        QVERIFY(record.grassetto);
        QVERIFY(b.finta.messaggi.richieste.isEmpty());
    }

    void intestazioneETotali()
    {
        Banco b;
        stampaDopo(b, 40);
        const QList<Testo> testi = b.finta.stampante.testiDel(0);
        QCOMPARE(testi.size(), 45);
        const Testo& titolo = testi.first();
        QCOMPARE(titolo.testo, Intestazione);
        QCOMPARE(QPoint(titolo.x, titolo.y), QPoint(1000, 1000));
        QCOMPARE(titolo.font, QStringLiteral("Courier New"));
        QCOMPARE(titolo.dimensione, 18.0);
        QVERIFY(!titolo.grassetto);
        const struct {
            QString testo;
            int x, y;
        } attesi[] = {{QStringLiteral("Eser. n.1: Tempo tot.  48 secondi"), 1000, 11000},
                      {QStringLiteral("Eser. n.2: Tempo tot.  103 secondi"), 6000, 11000},
                      {QStringLiteral("Eser. n.3: Tempo tot.  9 secondi"), 1000, 12000},
                      {QStringLiteral("Eser. n.4: Tempo tot.  1000 secondi"), 6000, 12000}};
        for (int i = 0; i < 4; ++i) {
            const Testo& totale = testi.at(41 + i);
            QCOMPARE(totale.testo, attesi[i].testo);
            QCOMPARE(QPoint(totale.x, totale.y), QPoint(attesi[i].x, attesi[i].y));
            QCOMPARE(totale.dimensione, 12.0);
            QVERIFY(totale.grassetto);
        }
        // Printed again: a second full page, its heading not bold either.
        b.app.stampaAperta()->cmdStampaS->click();
        QCOMPARE(b.finta.stampante.documenti, 2);
        const QList<Testo> seconda = b.finta.stampante.testiDel(1);
        QCOMPARE(seconda.size(), 45);
        QVERIFY(!seconda.first().grassetto);
        QCOMPARE(seconda.last().testo, attesi[3].testo);
    }

    void intestazioneMaiInGrassetto()
    {
        // Whatever the printer was left with, the heading goes out in the regular face.
        Banco b;
        b.finta.stampante.impostaGrassetto(true);
        b.finta.stampante.impostaDimensione(30);
        stampaDopo(b, 10);
        const Testo titolo = b.finta.stampante.testiDel(0).first();
        QCOMPARE(titolo.testo, Intestazione);
        QVERIFY(!titolo.grassetto);
        QCOMPARE(titolo.dimensione, 18.0);
    }

    void fineDelPrimoEsercizio()
    {
        // Exercises not yet begun print with an empty time: two blanks between "tot." and "secondi".
        Banco b;
        stampaDopo(b, 10);
        QStringList stampati;
        for (const Testo& t : b.finta.stampante.testiDel(0))
            stampati.append(t.testo);
        QStringList attesi{Intestazione};
        for (int n = 1; n <= 10; ++n)
            attesi.append(recordDiProva(n));
        attesi << QStringLiteral("Eser. n.1: Tempo tot.  48 secondi") << QStringLiteral("Eser. n.2: Tempo tot.  secondi")
               << QStringLiteral("Eser. n.3: Tempo tot.  secondi") << QStringLiteral("Eser. n.4: Tempo tot.  secondi");
        QCOMPARE(stampati, attesi);
    }

    void leggeLaPraticaQuandoStampa()
    {
        // The page shows what was answered after the window was opened, and the times as they are now.
        Banco b;
        riempiPratica(b.m, 10);
        FrmStampa* f = b.app.frmStampa();
        b.m.Operazioni.at(11) = recordDiProva(11);
        b.m.Operazioni.at(12) = QStringLiteral(" 4 :  ? =  4");   // shown, not yet answered
        b.m.ContatoreOperazioni = 12;
        b.m.TempiTotaliTesto.at(1).clear();
        b.m.TempiTotaliTesto.at(2) = QStringLiteral(" 6");
        f->cmdStampaS->click();
        QVERIFY(f->LblOp(11)->text().isEmpty());
        const QList<Testo> testi = b.finta.stampante.testiDel(0);
        QCOMPARE(testi.size(), 1 + 12 + 4);
        QCOMPARE(testi.at(12).testo, QStringLiteral(" 4 :  ? =  4"));
        QCOMPARE(QPoint(testi.at(12).x, testi.at(12).y), QPoint(6000, 2400));
        QCOMPARE(testi.at(13).testo, QStringLiteral("Eser. n.1: Tempo tot.  secondi"));
        QCOMPARE(testi.at(14).testo, QStringLiteral("Eser. n.2: Tempo tot.  6 secondi"));
    }

    void oltreIlQuarantesimo()
    {
        // Records 41..45 would run down into the totals: the page keeps to one practice.
        Banco b;
        stampaDopo(b, 45);
        const QList<Testo> testi = b.finta.stampante.testiDel(0);
        QCOMPARE(testi.size(), 1 + 40 + 4);
        QCOMPARE(testi.at(40).testo, recordDiProva(40));
        for (const Testo& t : testi)
            QVERIFY2(!t.testo.contains(QStringLiteral(" 41 Tp")), qPrintable(t.testo));
    }

    void courierPrimaDiCourierNew()
    {
        Banco b;
        b.finta.stampante.elencoFont = {QStringLiteral("courier new"), QStringLiteral("Courier"), QStringLiteral("Courier New")};
        stampaDopo(b, 40);
        const QList<Testo> testi = b.finta.stampante.testiDel(0);
        QCOMPARE(testi.size(), 45);
        for (const Testo& t : testi)
            QCOMPARE(t.font, QStringLiteral("Courier"));
        QCOMPARE(testi.first().dimensione, 18.0);
        QCOMPARE(testi.at(1).dimensione, 12.0);
        QVERIFY(testi.at(1).grassetto);
    }

    void nienteVaInStampa_data()
    {
        QTest::addColumn<QStringList>("elencoFont");
        QTest::addColumn<bool>("presente");
        QTest::addColumn<bool>("rifiuta");
        QTest::addColumn<QString>("avviso");
        QTest::addColumn<int>("avvisiAllApertura");
        QTest::newRow("no Courier") << QStringList{"Arial", "Courier 10 Pitch"} << true << false
                                    << "Devi installare il font Courier o il font Courier New" << 1;
        QTest::newRow("no printer") << QStringList{"Courier New"} << false << false << TestoNessunaStampante << 0;
        QTest::newRow("page refused") << QStringList{"Courier New"} << true << true << TestoStampaRifiutata << 0;
    }

    void nienteVaInStampa()
    {
        QFETCH(QStringList, elencoFont);
        QFETCH(bool, presente);
        QFETCH(bool, rifiuta);
        QFETCH(QString, avviso);
        QFETCH(int, avvisiAllApertura);
        Banco b;
        StampanteRegistro& stampante = b.finta.stampante;
        stampante.elencoFont = elencoFont;
        stampante.presente = presente;
        stampante.rifiuta = rifiuta;
        riempiPratica(b.m, 40);
        FrmStampa* f = b.app.frmStampa();
        f->show();
        QCOMPARE(b.finta.messaggi.richieste.size(), avvisiAllApertura);
        f->cmdStampaS->click();
        QCOMPARE(b.finta.messaggi.richieste.size(), avvisiAllApertura + 1);
        const auto& r = b.finta.messaggi.richieste.last();
        QCOMPARE(r.testo, avviso);
        QCOMPARE(r.stile, Messaggi::SoloOk);
        QVERIFY(r.titolo.isEmpty());
        QCOMPARE(stampante.documenti, 0);
        if (!rifiuta)
            QVERIFY(stampante.testi.isEmpty());   // not even a document begun
        // The window stays and the button can be pressed again, once the cause is gone.
        QCOMPARE(b.app.stampaAperta(), f);
        stampante.elencoFont = {QStringLiteral("Courier New")};
        stampante.presente = true;
        stampante.rifiuta = false;
        f->cmdStampaS->click();
        QCOMPARE(stampante.documenti, 1);
        QCOMPARE(b.finta.messaggi.richieste.size(), avvisiAllApertura + 1);
        QCOMPARE(stampante.testi.last().testo, QStringLiteral("Eser. n.4: Tempo tot.  1000 secondi"));
    }
};

TARVOLINI_TEST_MAIN(TestReport)
#include "test_report.moc"
