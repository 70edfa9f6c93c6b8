// Start-up on the backdrop, the backdrop's clicks, the ways out of the setup window and the end of the program.
#include "banco.h"
#include "certificate/frm_valutazione.h"
#include "setup/frm_inizio.h"
#include "setup/frm_sfondo.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// Records the order in which the watched windows disappear, and how often each is closed.
class Osservatore : public QObject {
public:
    QStringList nascoste;
    QMap<QString, int> chiusure;
    void osserva(QWidget* finestra) { finestra->installEventFilter(this); }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Hide)
            nascoste << oggetto->objectName();
        if (evento->type() == QEvent::Close)
            ++chiusure[oggetto->objectName()];
        return false;
    }
};

FrmInizio* avvia(Banco& b)
{
    b.app.frmSfondo();
    FrmInizio* inizio = b.app.inizioAperta();
    return inizio && QTest::qWaitForWindowActive(inizio) ? inizio : nullptr;
}

} // namespace

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void sfondoEInizioDavanti()
    {
        Banco b;
        FrmInizio* inizio = avvia(b);
        QVERIFY(inizio);
        FrmSfondo* sfondo = b.app.sfondoAperta();
        QVERIFY(sfondo && sfondo->isVisible());
        const QScreen* schermo = QGuiApplication::primaryScreen();
        QCOMPARE(sfondo->geometry(), schermo->availableGeometry());
        QVERIFY(sfondo->windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint));
        QCOMPARE(sfondo->grab().toImage().pixelColor(5, 5), QColor(192, 255, 192));
        // Centred, give or take the window frame, which is known only once the window shows.
        QVERIFY((inizio->frameGeometry().center() - schermo->availableGeometry().center()).manhattanLength() <= 8);
        QCOMPARE(QApplication::activeWindow(), inizio);
        QTRY_COMPARE(QApplication::focusWidget(), inizio->txtNome);
    }

    void clickSulloSfondo_data()
    {
        QTest::addColumn<bool>("doppio");
        QTest::addColumn<bool>("nomeAccettato");
        QTest::newRow("click, nome da immettere") << false << false;
        QTest::newRow("doppio click, nome da immettere") << true << false;
        QTest::newRow("click, fascia da scegliere") << false << true;
        QTest::newRow("doppio click, fascia da scegliere") << true << true;
    }
    void clickSulloSfondo()
    {
        QFETCH(bool, doppio);
        QFETCH(bool, nomeAccettato);
        Banco b;
        FrmInizio* inizio = avvia(b);
        QTest::keyClicks(inizio->txtNome, "Ugo");
        if (nomeAccettato)
            inizio->cmdAvanti->click();
        QWidget* fuoco = nomeAccettato ? static_cast<QWidget*>(inizio->Command1) : inizio->txtNome;
        // Another window takes the front first.
        inizio->mnuValutazione->trigger();
        QVERIFY(QTest::qWaitForWindowActive(b.app.valutazioneAperta()));

        FrmSfondo* sfondo = b.app.sfondoAperta();
        if (doppio)
            QTest::mouseDClick(sfondo, Qt::LeftButton, {}, QPoint(40, 600));
        else
            QTest::mouseClick(sfondo, Qt::LeftButton, {}, QPoint(40, 600));
        QVERIFY(QTest::qWaitForWindowActive(inizio));
        QTRY_COMPARE(QApplication::focusWidget(), fuoco);
        QCOMPARE(inizio->txtNome->text(), QStringLiteral("Ugo"));
        QCOMPARE(inizio->Frame2->isVisible(), !nomeAccettato);
        QVERIFY(b.app.valutazioneAperta());
    }

    void clickSulloSfondoRiapreInizioRidotto()
    {
        Banco b;
        FrmInizio* inizio = avvia(b);
        inizio->showMinimized();
        QTRY_VERIFY(inizio->isMinimized());
        QTest::mouseClick(b.app.sfondoAperta(), Qt::LeftButton, {}, QPoint(40, 600));
        QVERIFY(!inizio->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(inizio));
    }

    void vieDiUscita_data()
    {
        QTest::addColumn<QString>("via");
        QTest::newRow("E S C I del nome") << "cmdFine";
        QTest::newRow("E S C I delle fasce") << "Command9";
        QTest::newRow("menu Esci") << "mnuEsci";
        QTest::newRow("chiusura della finestra") << "chiudi";
    }
    void vieDiUscita()
    {
        QFETCH(QString, via);
        Banco b;
        FrmInizio* inizio = avvia(b);
        Osservatore osservatore;
        osservatore.osserva(b.app.sfondoAperta());
        osservatore.osserva(inizio);
        if (via == QLatin1String("cmdFine"))
            inizio->cmdFine->click();
        else if (via == QLatin1String("Command9"))
            inizio->Command9->click();
        else if (via == QLatin1String("mnuEsci"))
            inizio->mnuEsci->trigger();
        else
            inizio->close();
        QCOMPARE(osservatore.nascoste, QStringList({QStringLiteral("frmSfondo"), QStringLiteral("FrmInizio")}));
        QVERIFY(!b.app.sfondoAperta());
        QVERIFY(!b.app.inizioAperta());

        // A second request while the window is on its way out starts nothing again.
        inizio->close();
        QCOMPARE(osservatore.chiusure.value(QStringLiteral("frmSfondo")), 1);
        QVERIFY(!b.app.sfondoAperta());
        eliminaChiuse();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void sfondoGiaChiusoNonRinasce()
    {
        Banco b;
        FrmInizio* inizio = avvia(b);
        b.app.sfondoAperta()->close();
        inizio->cmdFine->click();
        QVERIFY(!b.app.sfondoAperta());
        eliminaChiuse();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // The program runs on while any window is open, and ends when the last one closes.
    void fineConLUltimaFinestra()
    {
        Banco b;
        FrmInizio* inizio = avvia(b);
        inizio->mnuValutazione->trigger();
        QPointer<FrmValutazione> scala = b.app.valutazioneAperta();
        QObject contesto;
        bool scalaAncoraAperta = false;
        QTimer::singleShot(0, &contesto, [&] { inizio->cmdFine->click(); });
        QTimer::singleShot(200, &contesto, [&] {
            scalaAncoraAperta = scala && scala->isVisible();
            if (scala)
                scala->close();
        });
        QTimer::singleShot(5000, &contesto, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(scalaAncoraAperta);
    }
};

TARVOLINI_TEST_MAIN(TestAvvio)
#include "test_avvio.moc"
