// The chime of a right answer, played for real on a null sound sink.
#include "test_drill_banco.h"

#include <QElapsedTimer>
#include <QSoundEffect>

namespace {
const QString Chime = QStringLiteral(CARTELLA_PROGRAMMA "/positivo.wav");
}

class TestSuonoAudio : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (const QString motivo = servizioMancante("TARVOLINI_AUDIO_DIR"); !motivo.isEmpty())
            QSKIP(qPrintable(motivo));
        QVERIFY(QFileInfo::exists(Chime));
    }

    void suonaDallInizioAllaFine()
    {
        SuonoQt suono(QStringLiteral(CARTELLA_PROGRAMMA));
        suono.riproduci(Chime);
        const QSoundEffect* effetto = suono.effettoDi(Chime);
        QVERIFY(effetto);
        QTRY_VERIFY_WITH_TIMEOUT(effetto->isPlaying(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!effetto->isPlaying(), 5000);
        QCOMPARE(effetto->status(), QSoundEffect::Ready);
    }

    // The drill window with the real sound: the verification is over long before the chime.
    void laVerificaNonAspettaIlSuono()
    {
        PiattaformaFinta finta;
        finta.programma.cartella_ = QStringLiteral(CARTELLA_PROGRAMMA);
        SuonoQt suono(QStringLiteral(CARTELLA_PROGRAMMA));
        Piattaforma servizi = finta.servizi();
        Piattaforma conSuono{servizi.orologio, servizi.casuale, servizi.messaggi, suono,
                             servizi.avvio,    servizi.programma, servizi.stampante};
        Applicazione app(conSuono);
        app.modulo1.Fascia = 1;
        auto* w = app.frmOperativoMeno();
        QVERIFY2(suono.effettoDi(Chime), "the window loads its chime before the first answer");
        QTest::keyClicks(w->TxtRisultato, app.modulo1.RispostaAttesa);
        QElapsedTimer tempo;
        tempo.start();
        QTest::keyClick(w->TxtRisultato, Qt::Key_Return);
        QVERIFY2(tempo.elapsed() < 200, qPrintable(QString::number(tempo.elapsed())));
        QCOMPARE(w->LblEsito->text(), QStringLiteral("E S A T T O"));
        const QSoundEffect* effetto = suono.effettoDi(Chime);
        QVERIFY(effetto);
        QTRY_VERIFY_WITH_TIMEOUT(effetto->isPlaying(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!effetto->isPlaying(), 5000);
    }
};

TARVOLINI_TEST_MAIN(TestSuonoAudio)
#include "test_suono_audio.moc"
