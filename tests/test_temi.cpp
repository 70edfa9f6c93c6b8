// The range buttons and the mode dispatch: the values stored, the drill window's theme and instruction
// line, and a second dispatch onto an open drill window.
#include "banco.h"
#include "drill/campo_risultato.h"
#include "drill/frm_operativo_meno.h"
#include "setup/frm_inizio.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

FrmInizio* avviaConNome(Banco& b, const QString& nome = QStringLiteral("Ugo"))
{
    b.app.frmSfondo();
    FrmInizio* inizio = b.app.inizioAperta();
    if (!inizio || !QTest::qWaitForWindowActive(inizio))
        return nullptr;
    QTest::keyClicks(inizio->txtNome, nome);
    inizio->cmdAvanti->click();
    return inizio;
}

QPushButton* pulsanteFascia(FrmInizio* f, int fascia)
{
    return QList<QPushButton*>{f->Command1, f->Command2, f->Command3, f->Command4}.at(fascia - 1);
}

QColor sfondoDi(const QWidget* w)
{
    return w->palette().color(w->backgroundRole());
}

// Answers the problem on show rightly and goes on to the next one.
void prossimoProblema(Banco& b, FrmOperativoMeno* d)
{
    QTest::keyClicks(d->TxtRisultato, b.m.RispostaAttesa);
    QTest::keyClick(d->TxtRisultato, Qt::Key_Return);
    d->CmdOperazione->click();
}

} // namespace

class TestTemi : public QObject {
    Q_OBJECT
private slots:
    void pulsantiDelleFasce_data()
    {
        QTest::addColumn<int>("fascia");
        QTest::addColumn<int>("minimo");
        QTest::addColumn<int>("massimo");
        QTest::newRow("1 a 30") << 1 << 1 << 30;
        QTest::newRow("30 a 60") << 2 << 30 << 60;
        QTest::newRow("60 a 99") << 3 << 60 << 99;
        QTest::newRow("1 a 99") << 4 << 1 << 99;
    }
    void pulsantiDelleFasce()
    {
        QFETCH(int, fascia);
        QFETCH(int, minimo);
        QFETCH(int, massimo);
        Banco b;
        FrmInizio* f = avviaConNome(b);
        QVERIFY(f);
        pulsanteFascia(f, fascia)->click();
        QCOMPARE(b.m.Fascia, fascia);
        QCOMPARE(b.m.NumeroMinimo, minimo);
        QCOMPARE(int(b.m.NumeroMassimo), massimo);
        FrmOperativoMeno* d = b.app.operativoMenoAperta();
        QVERIFY(d);
        QCOMPARE(d->Label2->text(), QStringLiteral(" Operazione con numero massimo da %1 a %2").arg(minimo).arg(massimo));
        // The first problem was drawn from this range, and timed, before the window was shown.
        QVERIFY(!b.m.Operazioni[1].isEmpty());
        QCOMPARE(b.m.InizioTempo, b.finta.orologio.secondi);
        QCOMPARE(d->LblNumero1->text(), QString::number(b.m.Quoto * b.m.Divisore));
        QVERIFY(QTest::qWaitForWindowActive(d));
    }

    void temaDelModo_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QColor>("sfondo");
        QTest::addColumn<QColor>("tema");
        QTest::addColumn<QString>("istruzione");
        QTest::newRow("quoto") << 0 << QColor(250, 250, 200) << QColor(240, 220, 150) << " Calcola il quoto";
        QTest::newRow("dividendo e divisore") << 1 << QColor(200, 255, 255) << QColor(200, 200, 255)
                                              << " Calcola il dividendo e divisore";
        QTest::newRow("secondo casaulità") << 2 << QColor(255, 215, 220) << QColor(240, 180, 220)
                                           << " Calcola il quoto, il dividendo e divisore secondo casaulità";
    }
    void temaDelModo()
    {
        QFETCH(int, modo);
        QFETCH(QColor, sfondo);
        QFETCH(QColor, tema);
        QFETCH(QString, istruzione);
        Banco b;
        FrmInizio* f = avviaConNome(b);
        QVERIFY(f);
        f->Combo1->setCurrentIndex(modo);
        f->Command2->click();
        FrmOperativoMeno* d = b.app.operativoMenoAperta();
        QVERIFY(d);
        QVERIFY(QTest::qWaitForWindowActive(d));

        QCOMPARE(d->Label1->text(), istruzione);
        QCOMPARE(b.m.TestoIstruzione, istruzione);
        QCOMPARE(b.m.ColoreTema, QString::number(tema.red() + 256 * tema.green() + 65536 * tema.blue()));
        for (const QWidget* w : std::initializer_list<const QWidget*>{d->frmElaborazione, d->frmValutazione, d->CmdFine,
                                                                      d->cmdSfondo, d->CmdVerifica, d->CmdOperazione,
                                                                      d->CmdEsercizio, d->CmdStampa})
            QVERIFY2(sfondoDi(w) == tema, qPrintable(w->objectName()));
        // What the pupil sees: the window's margin, the problem frame and the answer field.
        QCOMPARE(d->area()->grab().toImage().pixelColor(2, forma::px(1200)), sfondo);
        QCOMPARE(d->frmNumero->grab().toImage().pixelColor(2, 2), sfondo);
        QCOMPARE(d->TxtRisultato->palette().color(QPalette::Base), sfondo);
        QCOMPARE(d->TxtRisultato->palette().color(QPalette::Text), QColor(128, 64, 0));
    }

    void coloreTemaDelModoUno()
    {
        Banco b;
        FrmInizio* f = avviaConNome(b);
        QVERIFY(f);
        f->Combo1->setCurrentIndex(1);
        f->Command1->click();
        QCOMPARE(b.m.ColoreTema, QStringLiteral("16763080"));
    }

    // The pupil came back to the setup window with the drill window still open.
    void secondaFasciaSullaFinestraAperta()
    {
        Banco b;
        FrmInizio* f = avviaConNome(b);
        QVERIFY(f);
        f->Command1->click();
        QPointer<FrmOperativoMeno> d = b.app.operativoMenoAperta();
        QVERIFY(d);
        prossimoProblema(b, d);
        QCOMPARE(b.m.ContatoreOperazioni, 2);
        const QString intestazione = d->Label2->text();
        const QString dividendo = d->LblNumero1->text();
        const double inizio = b.m.InizioTempo;

        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        b.finta.orologio.secondi += 30;
        f->Combo1->setCurrentIndex(2);
        f->Command3->click();

        QCOMPARE(b.app.operativoMenoAperta(), d.data());
        QVERIFY(QTest::qWaitForWindowActive(d));
        // No second load step: the practice, its problem on show and its header stay.
        QCOMPARE(b.m.ContatoreOperazioni, 2);
        QCOMPARE(d->Label2->text(), intestazione);
        QCOMPARE(d->LblNumero1->text(), dividendo);
        QCOMPARE(b.m.InizioTempo, inizio);
        // The new mode's look, and the new range for what comes next.
        QCOMPARE(d->Label1->text(), QStringLiteral(" Calcola il quoto, il dividendo e divisore secondo casaulità"));
        QCOMPARE(sfondoDi(d->CmdFine), QColor(240, 180, 220));
        QCOMPARE(b.m.Fascia, 3);
        prossimoProblema(b, d);
        const int nuovo = b.m.Quoto * b.m.Divisore;
        QVERIFY2(nuovo >= 60 && nuovo <= 98, qPrintable(QString::number(nuovo)));
        QCOMPARE(d->LblNumero1->text(), QString::number(nuovo));
    }

    void fasciaPrimaDelNome()
    {
        Banco b;
        b.app.frmSfondo();
        FrmInizio* f = b.app.inizioAperta();
        QVERIFY(QTest::qWaitForWindowActive(f));
        // From the keyboard: the range buttons follow the name field and the mode list.
        QTest::keyClick(f->txtNome, Qt::Key_Tab);
        QTest::keyClick(f->Combo1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f->Command1);
        QTest::keyClick(f->Command1, Qt::Key_Return);
        QVERIFY(b.app.operativoMenoAperta());
        QVERIFY(b.m.Nome.isEmpty());
        QVERIFY(f->Frame2->isVisible());
    }

    void finestraChiusaERiaperta()
    {
        Banco b;
        FrmInizio* f = avviaConNome(b);
        QVERIFY(f);
        f->Combo1->setCurrentIndex(1);
        f->Command4->click();
        QPointer<FrmOperativoMeno> prima = b.app.operativoMenoAperta();
        prima->CmdFine->click();
        eliminaChiuse();
        QVERIFY(prima.isNull());
        // The certificate still finds the instruction of the last dispatch.
        QCOMPARE(b.m.TestoIstruzione, QStringLiteral(" Calcola il dividendo e divisore"));
        QVERIFY(f->isVisible());

        f->Combo1->setCurrentIndex(0);
        f->Command2->click();
        FrmOperativoMeno* dopo = b.app.operativoMenoAperta();
        QVERIFY(dopo);
        QCOMPARE(dopo->Label1->text(), QStringLiteral(" Calcola il quoto"));
        QCOMPARE(sfondoDi(dopo->CmdStampa), QColor(240, 220, 150));
        QCOMPARE(b.m.ContatoreOperazioni, 1);
    }

    void inizioChiusoOperativoResta()
    {
        Banco b;
        FrmInizio* f = avviaConNome(b);
        QVERIFY(f);
        f->Command1->click();
        QPointer<FrmOperativoMeno> d = b.app.operativoMenoAperta();
        f->mnuEsci->trigger();
        eliminaChiuse();
        QVERIFY(!b.app.inizioAperta());
        QVERIFY(!b.app.sfondoAperta());
        QVERIFY(d && d->isVisible());
    }
};

TARVOLINI_TEST_MAIN(TestTemi)
#include "test_temi.moc"
