// What a screen reader finds in the program's windows, read through Qt's accessibility interface.
#include "test_drill_banco.h"
#include "certificate/frm_attestato.h"
#include "platform/accessibilita.h"
#include "setup/frm_inizio.h"

#include <QAccessible>

namespace {

QString nomeAccessibile(QWidget* finestra, const char* controllo)
{
    QWidget* w = finestra->findChild<QWidget*>(QString::fromLatin1(controllo));
    if (!w)
        return QStringLiteral("(manca %1)").arg(QLatin1String(controllo));
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QStringLiteral("(nessuna interfaccia)");
}

// The controls whose name changes are reported to the screen reader. (The headless platform has no
// screen-reader bridge, so Qt drops the events themselves.)
QStringList* seguiAnnunci(QWidget* finestra)
{
    auto* cambiati = new QStringList;
    QObject::connect(finestra->findChild<accessibilita::Sorvegliante*>(), &accessibilita::Sorvegliante::annunciato,
                     finestra, [cambiati](QWidget* w) { *cambiati << w->objectName(); });
    QObject::connect(finestra, &QObject::destroyed, [cambiati] { delete cambiati; });
    return cambiati;
}

} // namespace

class ProvaAccessibilita : public QObject {
    Q_OBJECT
private slots:
    void paroleSemplici_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("parole");
        QTest::newRow("verdict") << "E S A T T O" << "ESATTO";
        QTest::newRow("trailing blank") << "V e r i f i c a " << "Verifica";
        QTest::newRow("two words") << "N u o v a   s o t t r a z i o n e" << "Nuova sottrazione";
        QTest::newRow("plain words") << "Nuovo esercizio" << "";
        QTest::newRow("numbers set apart") << "  1      2       3      4" << "";
        QTest::newRow("one letter") << "E" << "";
        QTest::newRow("mixed") << "E S C I adesso" << "";
        QTest::newRow("empty") << "" << "";
    }
    void paroleSemplici()
    {
        QFETCH(QString, testo);
        QTEST(accessibilita::paroleSemplici(testo), "parole");
    }

    void finestraEsercizio()
    {
        Banco b;
        accodaProblema(b, 7, 6);
        FrmOperativoMeno* w = apriOperativo(b);
        w->show();
        const QList<std::pair<const char*, QString>> attesi{
            {"Image1", QStringLiteral("Faccina sorridente: risposta esatta numero 1")},
            {"Image10", QStringLiteral("Faccina sorridente: risposta esatta numero 10")},
            {"Image11", QStringLiteral("Faccina triste: risposta errata numero 1")},
            {"Image20", QStringLiteral("Faccina triste: risposta errata numero 10")},
            {"cmdSfondo", QStringLiteral("Pulsante inattivo")},
            {"TxtRisultato", QStringLiteral("Risultato della divisione")},
            {"CmdVerifica", QStringLiteral("Verifica")},
            {"CmdOperazione", QStringLiteral("Nuova sottrazione")},
            {"CmdFine", QStringLiteral("Esci")},
            {"CmdEsercizio", QStringLiteral("Nuovo esercizio")},
            {"LblNumero1", QStringLiteral("42")},
            {"LblIstruzione", QStringLiteral(" Digita il risultato")},
        };
        for (const auto& [controllo, nome] : attesi)
            QCOMPARE(nomeAccessibile(w, controllo), nome);
        w->close();
    }

    // The verdict and the prompt are reported as soon as they are painted, the verdict in plain words.
    void verdettoAnnunciato()
    {
        Banco b;
        accodaProblema(b, 7, 6);
        FrmOperativoMeno* w = apriOperativo(b);
        QVERIFY(mostraAttiva(w));
        QStringList& cambiati = *seguiAnnunci(w);
        digita(w, QStringLiteral("7"));
        invio(w);
        QVERIFY(cambiati.isEmpty()); // not yet seen by the pupil
        w->grab();
        QCOMPARE(nomeAccessibile(w, "LblEsito"), QStringLiteral("ESATTO"));
        QCOMPARE(nomeAccessibile(w, "LblIstruzione"), QStringLiteral("Clicca sul pulsante Nuova sottrazione"));
        QVERIFY2(cambiati.contains(QStringLiteral("LblEsito")), qPrintable(cambiati.join(',')));
        QVERIFY2(cambiati.contains(QStringLiteral("LblIstruzione")), qPrintable(cambiati.join(',')));

        // A wrong answer replaces the verdict's name, not only its text.
        accodaProblema(b, 7, 6);
        w->CmdOperazione->click();
        digita(w, QStringLiteral("8"));
        invio(w);
        w->grab();
        QCOMPARE(nomeAccessibile(w, "LblEsito"), QStringLiteral("ERRATO"));
        w->close();
    }

    void altreFinestre()
    {
        Banco b;
        FrmInizio* inizio = b.app.frmInizio();
        inizio->show();
        QCOMPARE(nomeAccessibile(inizio, "Image1"), QStringLiteral("Riquadro vuoto"));
        QCOMPARE(nomeAccessibile(inizio, "cmdFine"), QStringLiteral("ESCI"));
        QCOMPARE(nomeAccessibile(inizio, "txtNome"), QStringLiteral("Il tuo nome"));
        QCOMPARE(nomeAccessibile(inizio, "cmdAvanti"), QStringLiteral("AVANTI"));

        FrmAttestato* attestato = b.app.frmAttestato();
        attestato->show();
        QCOMPARE(nomeAccessibile(attestato, "Image1"), QStringLiteral("Pergamena dell'attestato"));
        QCOMPARE(nomeAccessibile(attestato, "Label1"), QStringLiteral("ATTESTATO"));
        attestato->close();
        inizio->close();
    }
};

TARVOLINI_TEST_MAIN(ProvaAccessibilita)
#include "test_accessibilita.moc"
