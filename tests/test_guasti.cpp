// Faults of the machine in the middle of a practice: a missing or refusing printer, no fonts, no
// "www.exe". Each gives its message or none, and the practice goes on with nothing lost.
#include "test_drill_banco.h"
#include "platform/avvisi_stampa.h"
#include "platform/stampante.h"
#include "review/frm_stampa.h"
#include "setup/frm_inizio.h"

#include <QTemporaryDir>

namespace {

// The pupil answers problems right and goes on, until the practice reaches this problem.
void lavoraFinoA(FrmOperativoMeno* w, Banco& b, int problema)
{
    while (b.m.ContatoreOperazioni < problema ||
           b.m.Operazioni[static_cast<std::size_t>(b.m.ContatoreOperazioni)].size() == 12) {
        if (!w->CmdOperazione->isHidden()) {
            w->CmdOperazione->click();
        } else if (!w->CmdEsercizio->isHidden()) {
            w->CmdEsercizio->click();
        } else {
            b.finta.orologio.secondi += 3;
            digita(w, b.m.RispostaAttesa);
            invio(w);
        }
    }
}

struct Fotografia {
    std::array<QString, Modulo1::SlotOperazioni> operazioni;
    std::array<int, Modulo1::SlotTempi> tempi;
    int contatore, numeroOperazione, esercizio, esatte, errate;
    bool operator==(const Fotografia&) const = default;
};

Fotografia fotografa(const Modulo1& m)
{
    return {m.Operazioni, m.TempiTotali, m.ContatoreOperazioni, m.NumeroOperazione, m.NumeroEsercizio, m.Esatte, m.Errate};
}

} // namespace

class TestGuasti : public QObject {
    Q_OBJECT
private slots:
    void stampaInterrottaSenzaPerdite_data()
    {
        QTest::addColumn<QStringList>("elencoFont");
        QTest::addColumn<bool>("presente");
        QTest::addColumn<bool>("rifiuta");
        QTest::addColumn<QStringList>("avvisi");
        const QString senzaCourier = QStringLiteral("Devi installare il font Courier o il font Courier New");
        QTest::newRow("no printer") << QStringList{"Courier New"} << false << false << QStringList{TestoNessunaStampante};
        QTest::newRow("page refused") << QStringList{"Courier New"} << true << true << QStringList{TestoStampaRifiutata};
        QTest::newRow("empty font list") << QStringList{} << true << false << QStringList{senzaCourier, senzaCourier};
    }

    // Mid-practice the pupil opens the review from the menu and prints: the fault is reported, the review
    // closes, and the practice goes on from where it was with every record and count kept.
    void stampaInterrottaSenzaPerdite()
    {
        QFETCH(QStringList, elencoFont);
        QFETCH(bool, presente);
        QFETCH(bool, rifiuta);
        QFETCH(QStringList, avvisi);
        Banco b;
        b.finta.stampante.elencoFont = elencoFont;
        b.finta.stampante.presente = presente;
        b.finta.stampante.rifiuta = rifiuta;
        FrmOperativoMeno* w = apriOperativo(b);
        lavoraFinoA(w, b, 14);
        const Fotografia prima = fotografa(b.m);
        QVERIFY(w->mnuStampa->isEnabled());

        w->mnuStampa->trigger();
        FrmStampa* revisione = b.app.stampaAperta();
        QVERIFY(revisione);
        revisione->cmdStampaS->click();
        QStringList visti;
        for (const auto& r : b.finta.messaggi.richieste)
            visti.append(r.testo);
        QCOMPARE(visti, avvisi);
        QCOMPARE(b.finta.stampante.documenti, 0);
        revisione->close();
        eliminaChiuse();

        QVERIFY(fotografa(b.m) == prima);
        lavoraFinoA(w, b, 15);
        QCOMPARE(b.m.ContatoreOperazioni, 15);
        for (int slot = 1; slot <= 14; ++slot)
            QCOMPARE(b.m.Operazioni[static_cast<std::size_t>(slot)], prima.operazioni[static_cast<std::size_t>(slot)]);
        QVERIFY(b.m.Operazioni[15].endsWith(QLatin1String(" Tp")));
    }

    // The real printer whose document cannot even begin (its PDF would go to a folder that is not there):
    // the page is reported refused, never as printed, and the next document prints normally.
    void stampanteRealeRifiutaAllInizio()
    {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        MessaggiFinti messaggi;
        {
            StampanteQt stampante(cartella.filePath(QStringLiteral("manca/resoconto.pdf")));
            stampante.impostaFont(QStringLiteral("Courier New"));
            stampante.impostaDimensione(12);
            stampante.stampa(QStringLiteral("Eser. n.1"));
            QVERIFY(!concludiStampa(stampante, messaggi));
            QCOMPARE(messaggi.richieste.size(), 1);
            QCOMPARE(messaggi.richieste[0].testo, TestoStampaRifiutata);
        }
        StampanteQt buona(cartella.filePath(QStringLiteral("resoconto.pdf")));
        buona.impostaFont(QStringLiteral("Courier New"));
        buona.impostaDimensione(12);
        buona.stampa(QStringLiteral("Eser. n.1"));
        QVERIFY(concludiStampa(buona, messaggi));
        QCOMPARE(messaggi.richieste.size(), 1);
        QVERIFY(QFileInfo(cartella.filePath(QStringLiteral("resoconto.pdf"))).size() > 0);
    }

    // With no "www.exe" the setup window's "?" entry reports it and the practice under way is untouched.
    void senzaProgrammaDiInformazioni()
    {
        Banco b;
        b.finta.avvio.riesce = false;
        b.app.frmSfondo();
        FrmInizio* inizio = b.app.inizioAperta();
        QVERIFY(inizio);
        FrmOperativoMeno* w = apriOperativo(b);
        lavoraFinoA(w, b, 3);
        const Fotografia prima = fotografa(b.m);
        inizio->mnuInfo->trigger();
        QCOMPARE(b.finta.avvio.avviati, QStringList{QStringLiteral("www.exe")});
        QVERIFY(fotografa(b.m) == prima);
        QCOMPARE(b.app.operativoMenoAperta(), w);
        lavoraFinoA(w, b, 4);
        QCOMPARE(b.m.ContatoreOperazioni, 4);
    }
};

TARVOLINI_TEST_MAIN(TestGuasti)
#include "test_guasti.moc"
