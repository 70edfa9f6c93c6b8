// The verification of an answer: records, verdicts, faces, times and their caps, the view menus, the sound.
#include "test_drill_banco.h"

#include <QElapsedTimer>

class TestDrillVerifica : public QObject {
    Q_OBJECT
private slots:
    void record_data()
    {
        QTest::addColumn<int>("fascia");
        QTest::addColumn<int>("quoto");
        QTest::addColumn<int>("divisore");
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<double>("inizio");
        QTest::addColumn<double>("secondi");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("esito");
        QTest::addColumn<QString>("parziale");
        const QString esatto = QStringLiteral("E S A T T O");
        const QString errato = QStringLiteral("E R R A T O");
        QTest::newRow("42 : 7 = 6 in 5.8 s") << 4 << 7 << 6 << "7" << 36000.0 << 5.8
                                            << " 7 :  ? =  7   (7)   5 Tp" << esatto << " 5";
        QTest::newRow("60 : 15 = 5 in 23 s") << 4 << 12 << 5 << "15" << 36000.0 << 23.0
                                             << "12 :  ? = 12  (15)* 23 Tp" << errato << " 23";
        QTest::newRow("07 is not 7") << 4 << 7 << 6 << "07" << 36000.0 << 4.0 << " 7 :  ? =  7  (07)*  4 Tp" << errato
                                     << " 4";
        QTest::newRow("three figures") << 4 << 12 << 5 << "100" << 36000.0 << 4.0 << "12 :  ? = 12 (100)*  4 Tp"
                                       << errato << " 4";
        QTest::newRow("9.9 s count 9") << 4 << 7 << 6 << "7" << 36000.0 << 9.9 << " 7 :  ? =  7   (7)   9 Tp" << esatto
                                       << " 9";
        QTest::newRow("10 s") << 4 << 7 << 6 << "7" << 36000.0 << 10.0 << " 7 :  ? =  7   (7)  10 Tp" << esatto << " 10";
        QTest::newRow("100 s: 26 characters, label capped") << 4 << 7 << 6 << "7" << 36000.0 << 100.0
                                                            << " 7 :  ? =  7   (7)  100 Tp" << esatto << "99";
        QTest::newRow("1 : 1 = 1") << 1 << 1 << 1 << "1" << 36000.0 << 2.0 << " 1 :  ? =  1   (1)   2 Tp" << esatto
                                   << " 2";
        QTest::newRow("30 : 10 = 3") << 1 << 10 << 3 << "10" << 36000.0 << 2.0 << "10 :  ? = 10  (10)   2 Tp" << esatto
                                     << " 2";
        QTest::newRow("98 : 7 = 14") << 4 << 7 << 14 << "7" << 36000.0 << 2.0 << " 7 :  ? =  7   (7)   2 Tp" << esatto
                                     << " 2";
        QTest::newRow("across midnight") << 4 << 7 << 6 << "7" << 86399.5 << 2.2 << " 7 :  ? =  7   (7)   2 Tp"
                                         << esatto << " 2";
    }
    void record()
    {
        QFETCH(int, fascia);
        QFETCH(int, quoto);
        QFETCH(int, divisore);
        QFETCH(QString, digitato);
        QFETCH(double, inizio);
        QFETCH(double, secondi);
        QFETCH(QString, record);
        Banco b;
        b.finta.orologio.secondi = inizio;
        accodaProblema(b, quoto, divisore, fascia);
        FrmOperativoMeno* w = apriOperativo(b, fascia);
        QCOMPARE(w->LblNumero1->text(), QString::number(quoto * divisore));
        QCOMPARE(w->LblNumero2->text(), QString::number(divisore));
        QCOMPARE(b.m.RispostaAttesa, QString::number(quoto));
        QCOMPARE(b.m.Operazioni[1], record.left(12));

        b.finta.orologio.secondi = std::fmod(inizio + secondi, 86400.0);
        digita(w, digitato);
        invio(w);
        QCOMPARE(b.m.Operazioni[1], record);
        QTEST(w->LblEsito->text(), "esito");
        QTEST(w->LblTempoParziale->text(), "parziale");
        QCOMPARE(b.m.TempiTotali[1], b.m.TempoRisposta);
        QCOMPARE(b.m.TempiTotaliTesto[1], b.m.TempoRispostaTesto);
    }

    void rispostaVuota()
    {
        Banco b;
        accodaProblema(b, 7, 6);
        FrmOperativoMeno* w = apriOperativo(b);
        // The first empty answer of the run has no pad before its brackets.
        digita(w, QStringLiteral("5"));
        w->cmdCancella->click();
        QVERIFY(visibile(w->CmdVerifica));
        b.finta.orologio.secondi += 3;
        w->CmdVerifica->click();
        QCOMPARE(b.m.Operazioni[1], QStringLiteral(" 7 :  ? =  7()*  3 Tp"));
        QCOMPARE(w->LblEsito->text(), QStringLiteral("E R R A T O"));
        QVERIFY(visibile(w->Image[11]));

        // A later empty answer keeps the pad that the answer before it left.
        accodaProblema(b, 12, 5);
        avanti(w);
        rispondi(b, w, QStringLiteral("12"));
        accodaProblema(b, 7, 6);
        avanti(w);
        digita(w, QStringLiteral("1"));
        QTest::keyClick(w->TxtRisultato, Qt::Key_Backspace);
        b.finta.orologio.secondi += 3;
        w->CmdVerifica->click();
        QCOMPARE(b.m.Operazioni[3], QStringLiteral(" 7 :  ? =  7  ()*  3 Tp"));
        QVERIFY(visibile(w->Image[12]));
    }

    void facceInOrdine()
    {
        Banco b;
        accodaProblema(b, 7, 6);
        FrmOperativoMeno* w = apriOperativo(b);
        for (const char* risposta : {"1", "1", "1", "7", "7"}) {
            accodaProblema(b, 7, 6);
            rispondi(b, w, QString::fromLatin1(risposta));
            avanti(w);
        }
        QList<int> accese;
        for (int k = 1; k <= 20; ++k)
            if (visibile(w->Image[static_cast<std::size_t>(k)]))
                accese.append(k);
        QCOMPARE(accese, (QList<int>{1, 2, 11, 12, 13}));
        QCOMPARE(b.m.Esatte, 2);
        QCOMPARE(b.m.Errate, int16_t(3));
        QCOMPARE(b.m.RisposteEsatte, int16_t(2));
    }

    void tettiDeiTempi()
    {
        Banco b;
        accodaProblema(b, 7, 6);
        FrmOperativoMeno* w = apriOperativo(b);
        rispondi(b, w, QStringLiteral("7"), 990);
        QCOMPARE(w->LblTempoParziale->text(), QStringLiteral("99"));
        QCOMPARE(w->LblTempoTotale->text(), QStringLiteral(" 990"));
        QCOMPARE(b.m.TempoRispostaTesto, QStringLiteral(" 990"));

        avanti(w);
        // The next problem clears the answer's time and keeps the exercise's.
        QCOMPARE(w->LblTempoParziale->text(), QString());
        QCOMPARE(w->LblTempoTotale->text(), QStringLiteral(" 990"));
        QCOMPARE(w->LblEsito->text(), QString());
        QCOMPARE(w->LblIstruzione->text(), QStringLiteral(" Digita il risultato"));
        rispondi(b, w, QStringLiteral("7"), 9);
        QCOMPARE(w->LblTempoTotale->text(), QStringLiteral(" 999"));

        avanti(w);
        rispondi(b, w, QStringLiteral("7"), 1);
        QCOMPARE(w->LblTempoTotale->text(), QStringLiteral("999"));
        QCOMPARE(b.m.TempiTotali[1], 1000);
        QCOMPARE(b.m.TempiTotaliTesto[1], QStringLiteral(" 1000"));
    }

    void menuDallUndicesima()
    {
        Banco b;
        FrmOperativoMeno* w = apriOperativo(b);
        for (int problema = 1; problema <= 11; ++problema) {
            QVERIFY(!w->mnuStampa->isEnabled());
            QVERIFY(!w->mnuAttestato->isEnabled());
            rispondi(b, w, b.m.RispostaAttesa);
            if (problema < 11)
                avanti(w);
        }
        QVERIFY(w->mnuStampa->isEnabled());
        QVERIFY(w->mnuAttestato->isEnabled());
    }

    void suonoSoloSeEsatta()
    {
        Banco b;
        b.finta.programma.cartella_ = QStringLiteral("/cartella/del programma");
        accodaProblema(b, 7, 6);
        FrmOperativoMeno* w = apriOperativo(b);
        rispondi(b, w, QStringLiteral("8"));
        QVERIFY(b.finta.suono.riprodotti.isEmpty());
        accodaProblema(b, 7, 6);
        avanti(w);
        rispondi(b, w, QStringLiteral("7"));
        QCOMPARE(b.finta.suono.riprodotti, QStringList{QStringLiteral("/cartella/del programma/positivo.wav")});
        QCOMPARE(b.finta.suono.beep_, 0);
    }

    // This test runs with no sound server: the shipped chime must then cost nothing.
    void senzaUscitaAudioSilenzioEVelocita()
    {
        const QString percorso = QStringLiteral(CARTELLA_PROGRAMMA "/positivo.wav");
        QVERIFY(QFileInfo::exists(percorso));
        SuonoQt suono(QStringLiteral(CARTELLA_PROGRAMMA));
        QElapsedTimer tempo;
        tempo.start();
        for (int i = 0; i < 40; ++i)
            suono.riproduci(percorso);
        QVERIFY2(tempo.elapsed() < 500, qPrintable(QString::number(tempo.elapsed())));
    }
};

TARVOLINI_TEST_MAIN(TestDrillVerifica)
#include "test_drill_verifica.moc"
