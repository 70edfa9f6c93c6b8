// The flow of a practice: buttons, prompt, keypad and focus after each event, the load step, the end of
// the practice with its question, the restarts, the other windows and the ways out.
#include "test_drill_banco.h"
#include "certificate/frm_attestato.h"
#include "review/frm_stampa.h"

namespace {

const QString Digita = QStringLiteral(" Digita il risultato");
const QString Verifica = QStringLiteral("Clicca sul pulsante Verifica");
const QString Sottrazione = QStringLiteral("Clicca sul pulsante Nuova sottrazione");
const QString Esercizio = QStringLiteral("Clicca sul pulsante Nuovo esercizio");

// Runs a script of pupil's events, separated by blanks:
//   r / w    types the right answer / a wrong one ("0")
//   E / V    Enter in the field / a click on the Verify button
//   O / N    a click on "N u o v a   s o t t r a z i o n e" / "Nuovo esercizio"
//   Pn       n problems answered right with Enter, each followed by the next step
//   Si / No  the answer that the end-of-practice question will get
void esegui(Banco& b, FrmOperativoMeno* w, const QString& copione)
{
    for (const QString& passo : copione.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (passo == QLatin1String("r"))
            digita(w, b.m.RispostaAttesa);
        else if (passo == QLatin1String("w"))
            digita(w, QStringLiteral("0"));
        else if (passo == QLatin1String("E"))
            invio(w);
        else if (passo == QLatin1String("V"))
            QVERIFY(clicca(w->CmdVerifica));
        else if (passo == QLatin1String("O"))
            QVERIFY(clicca(w->CmdOperazione));
        else if (passo == QLatin1String("N"))
            QVERIFY(clicca(w->CmdEsercizio));
        else if (passo == QLatin1String("Si"))
            b.finta.messaggi.risposte.enqueue(Messaggi::Si);
        else if (passo == QLatin1String("No"))
            b.finta.messaggi.risposte.enqueue(Messaggi::No);
        else if (passo.startsWith(QLatin1Char('P')))
            for (int n = passo.mid(1).toInt(); n > 0; --n) {
                rispondi(b, w, b.m.RispostaAttesa);
                avanti(w);
            }
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + passo));
    }
}

int facceAccese(const FrmOperativoMeno* w)
{
    int accese = 0;
    for (std::size_t k = 1; k <= 20; ++k)
        accese += visibile(w->Image[k]) ? 1 : 0;
    return accese;
}

QString contatori(const Modulo1& m)
{
    return QStringLiteral("%1/%2/%3").arg(m.NumeroEsercizio).arg(m.NumeroOperazione).arg(m.ContatoreOperazioni);
}

} // namespace

class TestDrillFlusso : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { eliminaChiuse(); }

    void tabellaDelFlusso_data()
    {
        QTest::addColumn<QString>("copione");
        // Shown: "Nuovo esercizio", "N u o v a ...", "V e r i f i c a ", "Esci", "Visualizza  esercizio".
        QTest::addColumn<QString>("mostrati");
        QTest::addColumn<bool>("aperto");   // keypad enabled and field unlocked
        QTest::addColumn<bool>("campoVuoto");
        QTest::addColumn<QString>("istruzione");
        QTest::addColumn<QString>("fuoco");   // empty: the focus is not set there
        QTest::addColumn<QString>("attiva");
        QTest::addColumn<int>("facce");
        QTest::addColumn<QString>("contatori");   // exercise/problem/record slot
        const QString drill = QStringLiteral("FrmOperativoMeno");
        const QString campo = QStringLiteral("TxtRisultato");
        QTest::newRow("first load") << "" << "---E-" << true << true << Digita << campo << drill << 0 << "1/1/1";
        QTest::newRow("first character") << "r" << "--V--" << true << false << Verifica << campo << drill << 0 << "1/1/1";
        QTest::newRow("verified by Enter") << "r E" << "-O---" << false << false << Sottrazione << "CmdOperazione"
                                           << drill << 1 << "1/1/1";
        QTest::newRow("verified by the button") << "r V" << "-O---" << false << false << Sottrazione << "CmdOperazione"
                                                << drill << 1 << "1/1/1";
        QTest::newRow("wrong, by the button") << "w V" << "-O---" << false << false << Sottrazione << "CmdOperazione"
                                              << drill << 1 << "1/1/1";
        QTest::newRow("next problem") << "w E O" << "-----" << true << true << Digita << campo << drill << 1 << "1/2/2";
        QTest::newRow("10th by Enter") << "P9 r E" << "N--EV" << false << false << Esercizio << "CmdEsercizio" << drill
                                       << 10 << "1/10/10";
        QTest::newRow("10th by the button") << "P9 w V" << "N--EV" << false << false << Esercizio << "" << drill << 10
                                            << "1/10/10";
        QTest::newRow("next exercise") << "P9 r E N" << "---E-" << true << true << Digita << campo << drill << 0
                                       << "2/1/11";
        QTest::newRow("40th, then Yes") << "P39 Si r E" << "N--EV" << false << false << Esercizio << "" << "FrmStampa"
                                        << 10 << "0/10/40";
        QTest::newRow("40th, then No") << "P39 No r E" << "---E-" << true << true << Digita << campo << drill << 0
                                       << "1/1/1";
        QTest::newRow("40th by the button, then No") << "P39 No w V" << "---E-" << true << true << Digita << campo
                                                     << drill << 0 << "1/1/1";
        QTest::newRow("Yes, then Nuovo esercizio") << "P39 Si r E N" << "---E-" << true << true << Digita << campo
                                                   << drill << 0 << "1/1/1";
    }
    void tabellaDelFlusso()
    {
        QFETCH(QString, copione);
        QFETCH(QString, fuoco);
        QFETCH(QString, attiva);
        Banco b;
        FrmOperativoMeno* w = apriOperativo(b);
        QVERIFY(mostraAttiva(w));
        esegui(b, w, copione);
        if (QTest::currentTestFailed())
            return;
        if (attiva != QLatin1String("FrmOperativoMeno"))
            QVERIFY(QTest::qWaitForWindowActive(b.app.stampaAperta()));

        const QString mostrati = QString(visibile(w->CmdEsercizio) ? 'N' : '-') +
                                 (visibile(w->CmdOperazione) ? 'O' : '-') + (visibile(w->CmdVerifica) ? 'V' : '-') +
                                 (visibile(w->CmdFine) ? 'E' : '-') + (visibile(w->CmdStampa) ? 'V' : '-');
        QTEST(mostrati, "mostrati");
        QFETCH(bool, aperto);
        QCOMPARE(w->fraTastierino->isEnabled(), aperto);
        QCOMPARE(w->TxtRisultato->bloccato(), !aperto);
        QTEST(w->TxtRisultato->text().isEmpty(), "campoVuoto");
        QCOMPARE(b.m.Digitato, w->TxtRisultato->text());
        QTEST(w->LblIstruzione->text(), "istruzione");
        QVERIFY(QApplication::activeWindow());
        QCOMPARE(QApplication::activeWindow()->objectName(), attiva);
        if (!fuoco.isEmpty())
            QCOMPARE(nomeDelFuoco(), fuoco);
        // Wherever the focus went, it is on something that the pupil can see.
        if (QWidget* f = QApplication::focusWidget())
            QVERIFY2(f->isVisible(), qPrintable(f->objectName()));
        QTEST(facceAccese(w), "facce");
        QTEST(contatori(b.m), "contatori");
        QCOMPARE(w->LblOperazione->text(), QString::number(b.m.NumeroOperazione));
        if (b.m.NumeroEsercizio > 0)
            QCOMPARE(w->LblEsercizio->text(), QString::number(b.m.NumeroEsercizio));
    }

    void primoCaricamento_data()
    {
        QTest::addColumn<int>("fascia");
        QTest::addColumn<QString>("intestazione");
        QTest::newRow("1 a 30") << 1 << " Operazione con numero massimo da 1 a 30";
        QTest::newRow("30 a 60") << 2 << " Operazione con numero massimo da 30 a 60";
        QTest::newRow("60 a 99") << 3 << " Operazione con numero massimo da 60 a 99";
        QTest::newRow("1 a 99") << 4 << " Operazione con numero massimo da 1 a 99";
    }
    void primoCaricamento()
    {
        Banco b;
        // Left by an earlier practice of the run.
        b.m.TempiTotaliTesto = {" 7", " 50", " 60", " 70", " 80", " 9"};
        b.m.TempiTotali = {7, 50, 60, 70, 80, 9};
        b.m.Operazioni[5] = QStringLiteral("record di prima");
        QFETCH(int, fascia);
        FrmOperativoMeno* w = apriOperativo(b, fascia);
        QTEST(w->Label2->text(), "intestazione");
        QCOMPARE(w->windowTitle(), QStringLiteral("ESERCIZI SULLE TARVOLINI.1"));
        QCOMPARE(w->LblEsercizio->text(), QStringLiteral("1"));
        QCOMPARE(w->LblOperazione->text(), QStringLiteral("1"));
        QVERIFY(!w->mnuStampa->isEnabled());
        QVERIFY(!w->mnuAttestato->isEnabled());
        QVERIFY(!w->LblNumero1->text().isEmpty());
        QCOMPARE(w->LblNumero1->text().toInt(), b.m.Quoto * b.m.Divisore);
        QCOMPARE(b.m.RisposteEsatte, int16_t(0));
        QCOMPARE((std::array<int, 6>{7, 0, 0, 0, 0, 9}), b.m.TempiTotali);
        QCOMPARE(b.m.TempiTotaliTesto,
                 (std::array<QString, 6>{QStringLiteral(" 7"), {}, {}, {}, {}, QStringLiteral(" 9")}));
        QCOMPARE(b.m.Operazioni[5], QStringLiteral("record di prima"));
        // The load step's colours.
        QCOMPARE(w->Label2->palette().color(QPalette::Window), QColor(250, 200, 110));
        QCOMPARE(w->Label2->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(w->Label1->palette().color(QPalette::Window), QColor(255, 240, 150));
        QCOMPARE(w->Label1->palette().color(QPalette::WindowText), QColor(250, 170, 110));
        QCOMPARE(w->TxtRisultato->palette().color(QPalette::Text), QColor(128, 64, 0));
    }

    void praticaConSi()
    {
        Banco b;
        FrmOperativoMeno* w = apriOperativo(b);
        QVERIFY(mostraAttiva(w));
        QString registroAlDomandare;
        b.finta.messaggi.mentreAperto = [&](const MessaggiFinti::Richiesta&) { registroAlDomandare = b.m.Operazioni[40]; };
        b.finta.messaggi.risposte.enqueue(Messaggi::Si);
        esegui(b, w, QStringLiteral("P39 w E"));

        QCOMPARE(b.finta.messaggi.richieste.size(), 1);
        const MessaggiFinti::Richiesta domanda = b.finta.messaggi.richieste.first();
        QCOMPARE(domanda.testo, QStringLiteral("Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni eseguite?\r"
                                               "(Se rispondi NO l'esercizio sarà perso)"));
        QCOMPARE(domanda.titolo, QStringLiteral("FINE ESERCITAZIONE"));
        QCOMPARE(domanda.stile, Messaggi::SiNo | Messaggi::Informazione);
        QCOMPARE(b.m.Scelta, int(Messaggi::Si));
        QVERIFY(registroAlDomandare.endsWith(QLatin1String(" Tp")));
        for (int slot = 1; slot <= 40; ++slot) {
            QCOMPARE(b.m.Operazioni[slot].size(), 25);
            QCOMPARE(b.m.Operazioni[slot].at(18), slot == 40 ? QLatin1Char('*') : QLatin1Char(' '));
        }
        QCOMPARE(b.m.RisposteEsatte, int16_t(39));
        QVERIFY(b.app.stampaAperta() && b.app.stampaAperta()->isVisible());
        QCOMPARE(b.app.operativoMenoAperta(), w);
        QVERIFY(!w->Riavvio);

        // "Nuovo esercizio" starts a new practice, leaving each old record until its slot comes.
        const QString vecchio2 = b.m.Operazioni[2];
        QVERIFY(clicca(w->CmdEsercizio));
        QCOMPARE(contatori(b.m), QStringLiteral("1/1/1"));
        QCOMPARE(b.m.RisposteEsatte, int16_t(0));
        QCOMPARE(b.m.Operazioni[1].size(), 12);
        QCOMPARE(b.m.Operazioni[2], vecchio2);
        QVERIFY(!w->mnuStampa->isEnabled());
        QVERIFY(!w->mnuAttestato->isEnabled());
        for (int esercizio = 1; esercizio <= 4; ++esercizio) {
            QCOMPARE(b.m.TempiTotali[esercizio], 0);
            QCOMPARE(b.m.TempiTotaliTesto[esercizio], QString());
        }

        // The new practice ends after its own 40th problem, within the table.
        b.finta.messaggi.risposte.enqueue(Messaggi::Si);
        esegui(b, w, QStringLiteral("P39 r E"));
        QCOMPARE(b.finta.messaggi.richieste.size(), 2);
        QCOMPARE(b.m.ContatoreOperazioni, 40);
        QCOMPARE(b.m.RisposteEsatte, int16_t(40));
        for (int slot = 41; slot <= 45; ++slot)
            QCOMPARE(b.m.Operazioni[slot], QString());
    }

    void praticaConNo()
    {
        Banco b;
        FrmOperativoMeno* w = apriOperativo(b);
        b.finta.messaggi.risposte.enqueue(Messaggi::No);
        esegui(b, w, QStringLiteral("P39"));
        accodaProblema(b, 12, 5);   // the first problem of the new practice
        esegui(b, w, QStringLiteral("r E"));

        // All of it has happened inside that one Enter: records emptied, new practice shown.
        QVERIFY(w->Riavvio);
        QCOMPARE(b.m.Scelta, int(Messaggi::No));
        QCOMPARE(contatori(b.m), QStringLiteral("1/1/1"));
        QCOMPARE(b.m.Operazioni[1], QStringLiteral("12 :  ? = 12"));
        QCOMPARE(w->LblNumero1->text(), QStringLiteral("60"));
        for (int slot = 2; slot <= 45; ++slot)
            QCOMPARE(b.m.Operazioni[slot], QString());
        QCOMPARE(b.m.RisposteEsatte, int16_t(0));
        QCOMPARE(b.m.TempiTotaliTesto[4], QString());
        QCOMPARE(facceAccese(w), 0);
        QVERIFY(!w->mnuStampa->isEnabled());
        QVERIFY(!b.app.stampaAperta());

        // The restarted practice ends again after its 40th problem.
        b.finta.messaggi.risposte.enqueue(Messaggi::Si);
        esegui(b, w, QStringLiteral("P39 r E"));
        QCOMPARE(b.finta.messaggi.richieste.size(), 2);
        QVERIFY(b.app.stampaAperta());
    }

    void riaperturaDopoChiusura()
    {
        Banco b;
        QPointer<FrmOperativoMeno> w = apriOperativo(b);
        b.finta.messaggi.risposte.enqueue(Messaggi::No);
        esegui(b, w, QStringLiteral("P39 r E P25"));
        QVERIFY(w->Riavvio);
        const QString record20 = b.m.Operazioni[20];
        QVERIFY(!record20.isEmpty());
        w->MnuEsci->trigger();
        eliminaChiuse();
        QVERIFY(!w);

        // A new window object: a first load, whatever the old one went through.
        FrmOperativoMeno* nuova = apriOperativo(b);
        QVERIFY(!nuova->Riavvio);
        QVERIFY(!visibile(nuova->CmdEsercizio));
        QCOMPARE(contatori(b.m), QStringLiteral("1/1/1"));
        QVERIFY(!nuova->mnuStampa->isEnabled());
        QCOMPARE(b.m.Operazioni[1].size(), 12);
        QCOMPARE(b.m.Operazioni[20], record20);
    }

    void altreFinestre()
    {
        Banco b;
        FrmOperativoMeno* w = apriOperativo(b);
        QVERIFY(mostraAttiva(w));
        esegui(b, w, QStringLiteral("P9 r E"));
        QVERIFY(clicca(w->CmdStampa));
        FrmStampa* revisione = b.app.stampaAperta();
        QVERIFY(revisione && revisione->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(revisione));
        QCOMPARE(QApplication::focusWidget(), revisione->cmdStampaS);
        QCOMPARE(b.app.operativoMenoAperta(), w);
        QCOMPARE(contatori(b.m), QStringLiteral("1/10/10"));

        revisione->close();
        eliminaChiuse();
        // The view menus, usable from the 11th verification.
        esegui(b, w, QStringLiteral("N r E"));
        w->mnuStampa->trigger();
        QVERIFY(b.app.stampaAperta() && b.app.stampaAperta()->isVisible());
        w->mnuAttestato->trigger();
        QVERIFY(b.app.attestatoAperta() && b.app.attestatoAperta()->isVisible());
        QVERIFY(w->isVisible());
    }

    void vieDiUscita_data()
    {
        QTest::addColumn<int>("via");
        QTest::newRow("Esci") << 0;
        QTest::newRow("menu Esci") << 1;
        QTest::newRow("close box") << 2;
    }
    void vieDiUscita()
    {
        QFETCH(int, via);
        Banco b;
        QPointer<FrmOperativoMeno> w = apriOperativo(b);
        QVERIFY(mostraAttiva(w));
        b.app.frmStampa()->show();
        esegui(b, w, QStringLiteral("P9 r E"));
        if (via == 0)
            QVERIFY(clicca(w->CmdFine));
        else if (via == 1)
            w->MnuEsci->trigger();
        else
            w->close();
        eliminaChiuse();
        QVERIFY(!w);
        QVERIFY(b.app.stampaAperta() && b.app.stampaAperta()->isVisible());
        QCOMPARE(contatori(b.m), QStringLiteral("1/10/10"));
        QCOMPARE(b.m.Operazioni[10].size(), 25);
    }
};

TARVOLINI_TEST_MAIN(TestDrillFlusso)
#include "test_drill_flusso.moc"
