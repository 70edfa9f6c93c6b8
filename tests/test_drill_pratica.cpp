// A whole practice as a pupil does it: once with the keyboard alone, once with the mouse alone. The events
// go to the window as a real keyboard or mouse sends them, so the focus and the stacking of the controls
// decide where they land.
#include "test_drill_banco.h"
#include "review/frm_stampa.h"

namespace {

void tastiera(QWidget* finestra, const QString& testo)
{
    for (QChar c : testo)
        QTest::keyClick(finestra->windowHandle(), c.toLatin1());
}

void tastiera(QWidget* finestra, Qt::Key tasto)
{
    QTest::keyClick(finestra->windowHandle(), tasto);
}

// A click at the middle of the control, delivered to whatever lies there.
void mouse(QWidget* controllo)
{
    QWidget* finestra = controllo->window();
    const QPoint punto = controllo->mapTo(finestra, controllo->rect().center());
    QTest::mouseClick(finestra->windowHandle(), Qt::LeftButton, {}, punto);
}

// Problems whose answer is given wrong, and how.
QString rispostaDelPupillo(int problema, const QString& giusta)
{
    return problema % 7 == 3 ? QStringLiteral("0") : giusta;
}

} // namespace

class TestDrillPratica : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { eliminaChiuse(); }

    void soloTastiera()
    {
        Banco b;
        FrmOperativoMeno* w = apriOperativo(b);
        QVERIFY(mostraAttiva(w));
        b.finta.messaggi.risposte.enqueue(Messaggi::Ok);   // the "distrazione" message
        b.finta.messaggi.risposte.enqueue(Messaggi::Si);
        int esatte = 0;
        for (int problema = 1; problema <= 40; ++problema) {
            QCOMPARE(nomeDelFuoco(), QStringLiteral("TxtRisultato"));
            if (problema == 5) {
                tastiera(w, Qt::Key_Return);   // nothing typed yet
                tastiera(w, QStringLiteral("x"));   // refused with a beep
            }
            const QString risposta = rispostaDelPupillo(problema, b.m.RispostaAttesa);
            esatte += risposta == b.m.RispostaAttesa ? 1 : 0;
            b.finta.orologio.secondi += 4;
            tastiera(w, risposta);
            tastiera(w, Qt::Key_Return);
            QCOMPARE(b.m.Operazioni[problema].size(), 25);
            if (problema < 40) {
                QCOMPARE(nomeDelFuoco(), problema % 10 ? QStringLiteral("CmdOperazione") : QStringLiteral("CmdEsercizio"));
                tastiera(w, Qt::Key_Return);
            }
        }
        QCOMPARE(b.finta.messaggi.richieste.size(), 2);
        QCOMPARE(b.finta.messaggi.richieste[0].titolo, QStringLiteral("distrazione"));
        QCOMPARE(b.finta.messaggi.richieste[1].titolo, QStringLiteral("FINE ESERCITAZIONE"));
        QCOMPARE(b.finta.suono.beep_, 1);
        QCOMPARE(b.m.RisposteEsatte, int16_t(esatte));
        QCOMPARE(b.finta.suono.riprodotti.size(), esatte);
        FrmStampa* revisione = b.app.stampaAperta();
        QVERIFY(revisione && revisione->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(revisione));
    }

    void soloMouse()
    {
        Banco b;
        FrmOperativoMeno* w = apriOperativo(b);
        QVERIFY(mostraAttiva(w));
        b.finta.messaggi.risposte.enqueue(Messaggi::No);
        int esatte = 0;
        for (int problema = 1; problema <= 40; ++problema) {
            const QString risposta = rispostaDelPupillo(problema, b.m.RispostaAttesa);
            esatte += risposta == b.m.RispostaAttesa ? 1 : 0;
            b.finta.orologio.secondi += 6;
            if (problema == 2) {   // a slip, taken back
                mouse(tasto(w, QStringLiteral("9")));
                mouse(w->cmdCancella);
            }
            for (QChar cifra : risposta)
                mouse(tasto(w, QString(cifra)));
            QCOMPARE(w->TxtRisultato->text(), risposta);
            mouse(w->CmdVerifica);
            if (problema == 40)
                break;
            QVERIFY(w->TxtRisultato->bloccato());
            mouse(problema % 10 ? w->CmdOperazione : w->CmdEsercizio);
            QCOMPARE(b.m.ContatoreOperazioni, problema + 1);
        }
        QCOMPARE(b.finta.messaggi.richieste.size(), 1);
        QCOMPARE(b.finta.suono.riprodotti.size(), esatte);
        // No: a new practice on the same window, ready for the mouse again.
        QCOMPARE(b.m.ContatoreOperazioni, 1);
        QCOMPARE(b.m.Operazioni[2], QString());
        mouse(tasto(w, QStringLiteral("000")));
        mouse(w->CmdVerifica);
        QCOMPARE(b.m.Errate, int16_t(1));
        QVERIFY(visibile(w->CmdOperazione));
    }
};

TARVOLINI_TEST_MAIN(TestDrillPratica)
#include "test_drill_pratica.moc"
