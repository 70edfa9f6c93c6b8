// Answer entry: the keypad, the key filter, the field's length, the Enter path, the lock, the click.
#include "test_drill_banco.h"

#include <QClipboard>

class TestDrillRisposta : public QObject {
    Q_OBJECT

    std::unique_ptr<Banco> b;
    FrmOperativoMeno* w = nullptr;

private slots:
    void init()
    {
        b = std::make_unique<Banco>();
        accodaProblema(*b, 7, 6);
        w = apriOperativo(*b);
        QVERIFY(mostraAttiva(w));
    }
    void cleanup()
    {
        b.reset();
        eliminaChiuse();
    }

    void tastierino_data()
    {
        QTest::addColumn<QStringList>("tasti");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("beep");
        QTest::newRow("1 2") << QStringList{"1", "2"} << "12" << 0;
        QTest::newRow("00 on an empty field") << QStringList{"00"} << "00" << 0;
        QTest::newRow("0 then 00") << QStringList{"0", "00"} << "000" << 0;
        QTest::newRow("000") << QStringList{"000"} << "000" << 0;
        QTest::newRow("a fourth figure is refused") << QStringList{"1", "2", "3", "4"} << "123" << 1;
        QTest::newRow("00 after two figures is refused") << QStringList{"1", "2", "00"} << "12" << 1;
        QTest::newRow("then a key that fits") << QStringList{"1", "000", "9"} << "19" << 1;
        QTest::newRow("Cancella") << QStringList{"4", "5", "Cancella"} << "" << 0;
        QTest::newRow("Cancella, then again") << QStringList{"4", "Cancella", "8"} << "8" << 0;
    }
    void tastierino()
    {
        QFETCH(QStringList, tasti);
        QFETCH(QString, campo);
        for (const QString& didascalia : tasti) {
            QPushButton* t = didascalia == QLatin1String("Cancella") ? w->cmdCancella : tasto(w, didascalia);
            QVERIFY2(clicca(t), qPrintable(didascalia));
            QCOMPARE(b->m.Digitato, w->TxtRisultato->text());
        }
        QCOMPARE(w->TxtRisultato->text(), campo);
        QTEST(b->finta.suono.beep_, "beep");
        // The keys never take the focus from the field, so Enter still verifies.
        QCOMPARE(nomeDelFuoco(), QStringLiteral("TxtRisultato"));
    }

    void filtroDeiTasti_data()
    {
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("beep");
        QTest::newRow("digits") << "0123456789" << "012" << 0;   // the fourth is the field's to refuse
        QTest::newRow("letter") << "a" << "" << 1;
        QTest::newRow("blank") << " " << "" << 1;
        QTest::newRow("minus") << "-" << "" << 1;
        QTest::newRow("decimal comma") << "," << "" << 1;
        QTest::newRow("point between figures") << "4.5" << "45" << 1;
    }
    void filtroDeiTasti()
    {
        QFETCH(QString, tasti);
        QFETCH(QString, campo);
        digita(w, tasti);
        QCOMPARE(w->TxtRisultato->text(), campo);
        QCOMPARE(b->m.Digitato, campo);
        QTEST(b->finta.suono.beep_, "beep");
        // A refused key changes nothing else: no Verify button without a figure.
        QCOMPARE(visibile(w->CmdVerifica), !campo.isEmpty());
    }

    void altriTastiDiControllo()
    {
        digita(w, QStringLiteral("12"));
        QTest::keyClick(w->TxtRisultato, Qt::Key_Backspace);
        QCOMPARE(b->m.Digitato, QStringLiteral("1"));
        QCOMPARE(b->finta.suono.beep_, 0);
        QTest::keyClick(w->TxtRisultato, Qt::Key_Escape);
        QCOMPARE(b->finta.suono.beep_, 1);
        QCOMPARE(b->m.Digitato, QStringLiteral("1"));
    }

    void primoCarattereEPoiVuoto()
    {
        QVERIFY(visibile(w->CmdFine));
        digita(w, QStringLiteral("5"));
        QVERIFY(!visibile(w->CmdFine));
        QVERIFY(!visibile(w->CmdStampa));
        QVERIFY(visibile(w->CmdVerifica));
        QCOMPARE(w->LblIstruzione->text(), QStringLiteral("Clicca sul pulsante Verifica"));
        QVERIFY(clicca(w->cmdCancella));
        QCOMPARE(b->m.Digitato, QString());
        QVERIFY(!visibile(w->CmdFine));
        QVERIFY(visibile(w->CmdVerifica));
        QCOMPARE(w->LblIstruzione->text(), QStringLiteral("Clicca sul pulsante Verifica"));
    }

    // What reaches the field without typing passes no filter; the change handler still follows it.
    void incollato()
    {
        QApplication::clipboard()->setText(QStringLiteral("4a567"));
        w->TxtRisultato->paste();
        QCOMPARE(w->TxtRisultato->text(), QStringLiteral("4a5"));
        QCOMPARE(b->m.Digitato, QStringLiteral("4a5"));
        QVERIFY(visibile(w->CmdVerifica));
        QCOMPARE(b->finta.suono.beep_, 0);
    }

    void invioSuCampoVuoto()
    {
        const QString primaMeta = b->m.Operazioni[1];
        for (int volta = 1; volta <= 2; ++volta) {
            invio(w);
            QCOMPARE(b->finta.messaggi.richieste.size(), volta);
            const MessaggiFinti::Richiesta r = b->finta.messaggi.richieste.last();
            QCOMPARE(r.testo, QStringLiteral("Hai dimenticato il risultato"));
            QCOMPARE(r.titolo, QStringLiteral("distrazione"));
            QCOMPARE(r.stile, 0);
            QCOMPARE(nomeDelFuoco(), QStringLiteral("TxtRisultato"));
        }
        // Nothing was verified.
        QCOMPARE(b->m.Operazioni[1], primaMeta);
        QCOMPARE(b->m.Errate, int16_t(0));
        QVERIFY(w->fraTastierino->isEnabled());
        QVERIFY(!w->TxtRisultato->bloccato());
        QVERIFY(!visibile(w->CmdOperazione));
        QCOMPARE(w->LblIstruzione->text(), QStringLiteral(" Digita il risultato"));

        // Emptied again after a figure: the same message, and the Verify button stays.
        digita(w, QStringLiteral("3"));
        QTest::keyClick(w->TxtRisultato, Qt::Key_Backspace);
        invio(w);
        QCOMPARE(b->finta.messaggi.richieste.size(), 3);
        QVERIFY(visibile(w->CmdVerifica));
        QCOMPARE(b->m.Operazioni[1], primaMeta);
    }

    void chiusoDopoLaVerifica()
    {
        rispondi(*b, w, QStringLiteral("8"));
        const QString record = b->m.Operazioni[1];
        QVERIFY(!w->fraTastierino->isEnabled());
        QVERIFY(w->TxtRisultato->isEnabled());
        w->TxtRisultato->setFocus();
        QCOMPARE(nomeDelFuoco(), QStringLiteral("TxtRisultato"));
        digita(w, QStringLiteral("5a"));
        QTest::keyClick(w->TxtRisultato, Qt::Key_Backspace);
        QTest::keyClick(w->TxtRisultato, Qt::Key_Delete);
        invio(w);
        QVERIFY(!clicca(tasto(w, QStringLiteral("1"))));
        QCOMPARE(w->TxtRisultato->text(), QStringLiteral("8"));
        QCOMPARE(b->m.Digitato, QStringLiteral("8"));
        QCOMPARE(b->m.Errate, int16_t(1));
        QCOMPARE(b->m.Operazioni[1], record);
        QCOMPARE(b->finta.suono.beep_, 0);
        QVERIFY(b->finta.messaggi.richieste.isEmpty());
    }

    void clicNelCampo()
    {
        // While the pupil answers, a click leaves the focus in the field.
        QTest::mouseClick(w->TxtRisultato, Qt::LeftButton);
        QCOMPARE(nomeDelFuoco(), QStringLiteral("TxtRisultato"));

        // Once verified, a click sends it on to the next-problem button.
        rispondi(*b, w, QStringLiteral("7"));
        w->TxtRisultato->setFocus();
        QTest::mouseClick(w->TxtRisultato, Qt::LeftButton);
        QCOMPARE(nomeDelFuoco(), QStringLiteral("CmdOperazione"));
    }

    void clicNelCampoDopoIlDecimo()
    {
        for (int problema = 1; problema < 10; ++problema) {
            rispondi(*b, w, QStringLiteral("1"));
            avanti(w);
        }
        digita(w, QStringLiteral("1"));
        QVERIFY(clicca(w->CmdVerifica));
        // The next-problem button is hidden: the field keeps the focus that the click gave it.
        QTest::mouseClick(w->TxtRisultato, Qt::LeftButton);
        QCOMPARE(nomeDelFuoco(), QStringLiteral("TxtRisultato"));
        QVERIFY(w->TxtRisultato->bloccato());
    }
};

TARVOLINI_TEST_MAIN(TestDrillRisposta)
#include "test_drill_risposta.moc"
