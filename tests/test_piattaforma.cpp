// The real platform services that can be tried headless, and the window accessors.
#include "banco.h"
#include "setup/frm_sfondo.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

class TestPiattaforma : public QObject {
    Q_OBJECT
private slots:
    void pulsantiInItaliano()
    {
        QMessageBox finestra;
        finestra.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
        QCOMPARE(finestra.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sì"));
        QCOMPARE(finestra.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
        QCOMPARE(finestra.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("OK"));
    }

    void messaggioRealeRisponde_data()
    {
        QTest::addColumn<int>("stile");
        QTest::addColumn<QMessageBox::StandardButton>("premuto");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QMessageBox::Icon>("icona");
        QTest::newRow("ok") << int(Messaggi::SoloOk) << QMessageBox::Ok << int(Messaggi::Ok) << QMessageBox::NoIcon;
        QTest::newRow("sì") << int(Messaggi::SiNo | Messaggi::Informazione) << QMessageBox::Yes << int(Messaggi::Si)
                            << QMessageBox::Information;
        QTest::newRow("no") << int(Messaggi::SiNo | Messaggi::Informazione) << QMessageBox::No << int(Messaggi::No)
                            << QMessageBox::Information;
    }
    void messaggioRealeRisponde()
    {
        QFETCH(int, stile);
        QFETCH(QMessageBox::StandardButton, premuto);
        QFETCH(QMessageBox::Icon, icona);
        QString titolo, testo;
        QMessageBox::Icon vista = QMessageBox::Critical;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            titolo = box->windowTitle();
            testo = box->text();
            vista = box->icon();
            box->button(premuto)->click();
        });
        MessaggiQt reali;
        Messaggi& messaggi = reali;
        QTEST(messaggi.mostra(QStringLiteral("uno\r\rdue"), stile), "codice");
        QCOMPARE(titolo, QStringLiteral("TARVOLINI.1"));   // no title of its own: the program's
        QCOMPARE(testo, QStringLiteral("uno\n\ndue"));
        QCOMPARE(vista, icona);
    }

    // A missing sound file, or a missing sound module, is silent, quick and never reported.
    void suonoMancanteSilenzioso_data()
    {
        QTest::addColumn<QString>("cartellaModulo");
        QTest::addColumn<QString>("file");
        QTest::newRow("file mancante") << QStringLiteral(CARTELLA_PROGRAMMA) << QStringLiteral("/non/esiste/positivo.wav");
        QTest::newRow("modulo mancante") << QStringLiteral("/non/esiste") << QStringLiteral(CARTELLA_PROGRAMMA "/positivo.wav");
    }

    void suonoMancanteSilenzioso()
    {
        QFETCH(QString, cartellaModulo);
        QFETCH(QString, file);
        SuonoQt suono(cartellaModulo);
        QElapsedTimer tempo;
        tempo.start();
        suono.prepara(file);
        for (int i = 0; i < 50; ++i)
            suono.riproduci(file);
        QVERIFY(tempo.elapsed() < 500);
        QVERIFY(!suono.effettoDi(file));
    }

    void avvioDiUnProgramma()
    {
        AvvioQt avvio;
        QVERIFY(!avvio.avvia(QStringLiteral("tarvolini-programma-che-non-esiste.exe")));
        QVERIFY(avvio.avvia(QStringLiteral("true")));
    }

    void cartellaDelProgramma()
    {
        ProgrammaQt programma;
        QCOMPARE(programma.cartella(), QCoreApplication::applicationDirPath());
    }

    void accessoreUnaSolaFinestra()
    {
        Banco b;
        QVERIFY(!b.app.sfondoAperta());
        FrmSfondo* prima = b.app.frmSfondo();
        QVERIFY(prima);
        QCOMPARE(b.app.frmSfondo(), prima);
        QCOMPARE(b.app.sfondoAperta(), prima);
        QPointer<FrmSfondo> osservata = prima;
        prima->close();
        QVERIFY(!b.app.sfondoAperta());   // closing counts at once, before the deletion
        FrmSfondo* seconda = b.app.frmSfondo();
        QVERIFY(seconda != prima || osservata.isNull());
        eliminaChiuse();
        QVERIFY(osservata.isNull());
        QCOMPARE(b.app.sfondoAperta(), seconda);
    }
};

TARVOLINI_TEST_MAIN(TestPiattaforma)
#include "test_piattaforma.moc"
