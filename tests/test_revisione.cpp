// The review window: its layout, the font it finds, the snapshot it takes, and its ways out.
#include "banco.h"
#include "revisione_pratica.h"
#include "certificate/frm_attestato.h"
#include "review/frm_stampa.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

namespace {

const QString TempoVuoto = QStringLiteral("Tempo totale:     sec.");

QStringList testiDelleEtichette(const FrmStampa& f)
{
    QStringList testi;
    for (int n = 1; n <= FrmStampa::NumeroEtichette; ++n)
        testi.append(f.LblOp(n)->text());
    return testi;
}

QStringList totali(const FrmStampa& f)
{
    return {f.Label1->text(), f.Label2->text(), f.Label3->text(), f.Label4->text()};
}

} // namespace

class TestRevisione : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { eliminaChiuse(); }

    void finestraEGrigliaDelleEtichette()
    {
        Banco b;
        FrmStampa* f = b.app.frmStampa();
        QCOMPARE(f->windowTitle(), QStringLiteral("STAMPA DELLE OPERAZIONI"));
        QCOMPARE(f->area()->size(), QSize(794, 556));   // 11910 × 8340 twips
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QVERIFY(!(f->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(f->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(f->MnuFile->title(), QStringLiteral("File"));
        QCOMPARE(f->MnuEsci->text(), QStringLiteral("Esci"));
        // Column by exercise, row by problem within it: left 180, 3105, 6030, 8955; top 900 + 450 per row.
        const struct {
            int numero, sinistra, alto;
        } posti[] = {{1, 180, 900}, {10, 180, 4950}, {11, 3105, 900}, {20, 3105, 4950},
                     {21, 6030, 900}, {35, 8955, 2700}, {40, 8955, 4950}};
        for (const auto& p : posti)
            QCOMPARE(f->LblOp(p.numero)->geometry(), forma::rettangolo(p.sinistra, p.alto, 2895, 435));
        // Each total sits under its column.
        const QLabel* colonne[] = {f->Label1, f->Label2, f->Label3, f->Label4};
        for (int c = 0; c < 4; ++c) {
            const QRect primo = f->LblOp(c * 10 + 1)->geometry();
            QVERIFY(colonne[c]->geometry().left() < primo.right() && colonne[c]->geometry().right() > primo.left());
        }
        QCOMPARE(f->Label5->text(), QStringLiteral("E S E R C I Z I   E S E G U I T I "));
        QCOMPARE(f->cmdStampaS->text(), QStringLiteral("STAMPA LE OPERAZIONI"));
        QCOMPARE(f->Command2->text(), QStringLiteral("Visualizza attestato"));
    }

    void sondaDelFont_data()
    {
        QTest::addColumn<QStringList>("elenco");
        QTest::addColumn<QString>("trovato");   // empty: neither font
        QTest::newRow("Courier New first") << QStringList{"Arial", "Courier New", "Courier"} << "Courier New";
        QTest::newRow("Courier first") << QStringList{"Courier", "Times New Roman", "Courier New"} << "Courier";
        QTest::newRow("Courier only") << QStringList{"Arial", "Courier"} << "Courier";
        QTest::newRow("neither") << QStringList{"Arial", "Times New Roman"} << "";
        QTest::newRow("no fonts") << QStringList{} << "";
        QTest::newRow("near misses") << QStringList{"courier", "Courier 10 Pitch", "COURIER NEW", " Courier", "Courier New "}
                                     << "";
        QTest::newRow("near miss before Courier") << QStringList{"courier new", "Courier"} << "Courier";
    }

    void sondaDelFont()
    {
        QFETCH(QStringList, elenco);
        QFETCH(QString, trovato);
        Banco b;
        b.finta.stampante.elencoFont = elenco;
        riempiPratica(b.m, 15);
        FrmStampa* f = b.app.frmStampa();
        QCOMPARE(f->Label6->text(), trovato);
        const QFont disegno = f->LblOp(16)->font();   // above the records: the design-time font
        QCOMPARE(QFontInfo(disegno).fixedPitch(), true);
        QCOMPARE(disegno.pointSizeF(), 9.75);
        QVERIFY(!disegno.bold());
        QVERIFY(f->LblOp(16)->text().isEmpty());
        if (trovato.isEmpty()) {
            QCOMPARE(b.finta.messaggi.richieste.size(), 1);
            const auto& r = b.finta.messaggi.richieste.first();
            QCOMPARE(r.testo, QStringLiteral("Devi installare il font Courier o il font Courier New"));
            QCOMPARE(r.stile, Messaggi::SoloOk);
            QVERIFY(r.titolo.isEmpty());   // the program's own title
            // Nothing else ran: no record, no time, the design-time captions.
            QCOMPARE(testiDelleEtichette(*f), QStringList(40, QString()));
            QCOMPARE(totali(*f), QStringList(4, QStringLiteral("Tempo totale")));
            QCOMPARE(f->LblOp(1)->font(), disegno);
            return;
        }
        QVERIFY(b.finta.messaggi.richieste.isEmpty());
        const QFont record = f->LblOp(15)->font();
        QCOMPARE(record.family(), trovato);
        QCOMPARE(record.pointSizeF(), trovato == QStringLiteral("Courier New") ? 9.0 : 10.0);
        QCOMPARE(record.bold(), trovato == QStringLiteral("Courier New"));
        QCOMPARE(f->LblOp(1)->font(), record);
        QVERIFY(QFontInfo(record).fixedPitch());
    }

    void istantaneaDellaPratica_data()
    {
        QTest::addColumn<int>("problemi");
        QTest::newRow("end of exercise 1") << 10;
        QTest::newRow("whole practice") << 40;
        QTest::newRow("none yet") << 0;
        QTest::newRow("went on after the practice") << 45;
    }

    void istantaneaDellaPratica()
    {
        QFETCH(int, problemi);
        Banco b;
        riempiPratica(b.m, problemi);
        const FrmStampa* f = b.app.frmStampa();
        const QStringList testi = testiDelleEtichette(*f);
        for (int n = 1; n <= 40; ++n)
            QCOMPARE(testi.at(n - 1), n <= problemi ? recordDiProva(n) : QString());
        const QStringList attesi{QStringLiteral("Tempo totale:     48 sec."), QStringLiteral("Tempo totale:     103 sec."),
                                 QStringLiteral("Tempo totale:     9 sec."), QStringLiteral("Tempo totale:     1000 sec.")};
        for (int e = 1; e <= 4; ++e)
            QCOMPARE(totali(*f).at(e - 1), (e - 1) * 10 < problemi ? attesi.at(e - 1) : TempoVuoto);
        QCOMPARE(f->Label6->text(), QStringLiteral("Courier New"));
    }

    void recordAMeta()
    {
        // In the middle of exercise 2: the current problem's record is shown as far as it is built.
        Banco b;
        riempiPratica(b.m, 13);
        b.m.Operazioni.at(14) = QStringLiteral(" 7 :  ? =  7");
        b.m.ContatoreOperazioni = 14;
        const FrmStampa* f = b.app.frmStampa();
        QCOMPARE(f->LblOp(13)->text(), recordDiProva(13));
        QCOMPARE(f->LblOp(14)->text(), QStringLiteral(" 7 :  ? =  7"));
        QVERIFY(f->LblOp(15)->text().isEmpty());
    }

    void riapertaMentreAperta()
    {
        Banco b;
        riempiPratica(b.m, 12);
        FrmStampa* f = b.app.frmStampa();
        f->show();
        b.m.Operazioni.at(13) = recordDiProva(13);
        b.m.ContatoreOperazioni = 13;
        b.m.TempiTotaliTesto.at(2) = QStringLiteral(" 77");
        QCOMPARE(b.app.frmStampa(), f);
        QVERIFY(f->LblOp(13)->text().isEmpty());
        QCOMPARE(f->Label2->text(), QStringLiteral("Tempo totale:     103 sec."));
        // Closed and opened anew, it shows the practice as it is now.
        f->close();
        FrmStampa* nuova = b.app.frmStampa();
        QVERIFY(nuova != f);
        QCOMPARE(nuova->LblOp(13)->text(), recordDiProva(13));
        QCOMPARE(nuova->Label2->text(), QStringLiteral("Tempo totale:     77 sec."));
    }

    void vieDUscita_data()
    {
        QTest::addColumn<QString>("via");
        QTest::addColumn<bool>("svuota");
        QTest::newRow("ESCI") << "ESCI" << true;
        QTest::newRow("menu Esci") << "menu" << false;
        QTest::newRow("close box") << "chiudi" << false;
    }

    void vieDUscita()
    {
        QFETCH(QString, via);
        QFETCH(bool, svuota);
        Banco b;
        riempiPratica(b.m, 40);
        b.m.TempiTotaliTesto.at(5) = QStringLiteral(" 5");
        FrmStampa* f = b.app.frmStampa();
        f->show();
        if (via == QStringLiteral("ESCI"))
            QTest::mouseClick(f->Command1, Qt::LeftButton);
        else if (via == QStringLiteral("menu"))
            f->MnuEsci->trigger();
        else
            f->close();
        QVERIFY(b.app.stampaAperta() == nullptr);
        for (int e = 1; e <= 4; ++e)
            QCOMPARE(b.m.TempiTotaliTesto.at(e).isEmpty(), svuota);
        QCOMPARE(b.m.TempiTotaliTesto.at(5), QStringLiteral(" 5"));
        QCOMPARE(b.m.Operazioni.at(40), recordDiProva(40));
    }

    void esciPoiEsercizio3PoiRiaperta()
    {
        Banco b;
        riempiPratica(b.m, 24);
        FrmStampa* f = b.app.frmStampa();
        f->show();
        f->Command1->click();
        // More answers in exercise 3: only its time is written again.
        b.m.Operazioni.at(25) = recordDiProva(25);
        b.m.ContatoreOperazioni = 25;
        b.m.TempiTotaliTesto.at(3) = QStringLiteral(" 31");
        const FrmStampa* nuova = b.app.frmStampa();
        QCOMPARE(totali(*nuova), (QStringList{TempoVuoto, TempoVuoto, QStringLiteral("Tempo totale:     31 sec."), TempoVuoto}));
        QCOMPARE(nuova->LblOp(25)->text(), recordDiProva(25));
    }

    void attestatoDallaRevisione()
    {
        Banco b;
        riempiPratica(b.m, 40);
        FrmStampa* f = b.app.frmStampa();
        f->show();
        QVERIFY(b.app.attestatoAperta() == nullptr);
        QTest::mouseClick(f->Command2, Qt::LeftButton);
        FrmAttestato* attestato = b.app.attestatoAperta();
        QVERIFY(attestato != nullptr);
        QVERIFY(attestato->isVisible());
        QVERIFY(f->isVisible());
        QCOMPARE(b.app.stampaAperta(), f);
        // Pressed again, the same certificate comes forward.
        f->Command2->click();
        QCOMPARE(b.app.attestatoAperta(), attestato);
    }

    void centrataEFerma()
    {
        Banco b;
        FrmStampa* f = b.app.frmStampa();
        f->show();
        const QRect schermo = f->screen()->availableGeometry();
        QVERIFY(qAbs(f->frameGeometry().center().x() - schermo.center().x()) <= 2);
        QVERIFY(qAbs(f->frameGeometry().center().y() - schermo.center().y()) <= 2);
        const QPoint posto = f->pos();
        f->move(posto + QPoint(120, -40));   // as a drag by the user would
        QCOMPARE(f->pos(), posto);
    }

    void invioSulPulsanteDiStampa()
    {
        // The drill window gives the print button the focus: Enter then prints.
        Banco b;
        riempiPratica(b.m, 10);
        FrmStampa* f = b.app.frmStampa();
        f->show();
        f->activateWindow();
        f->cmdStampaS->setFocus();
        QTest::keyClick(f->cmdStampaS, Qt::Key_Return);
        QCOMPARE(b.finta.stampante.documenti, 1);
    }
};

TARVOLINI_TEST_MAIN(TestRevisione)
#include "test_revisione.moc"
