// The three number-to-text rules.
#include "banco.h"
#include "state/testo_numeri.h"

class TestTestoNumeri : public QObject {
    Q_OBJECT
private slots:
    void regole_data()
    {
        QTest::addColumn<long long>("numero");
        QTest::addColumn<QString>("conSpazio");
        QTest::addColumn<QString>("semplice");
        QTest::addColumn<QString>("rifilato");
        QTest::newRow("zero") << 0LL << " 0" << "0" << "0";
        QTest::newRow("sette") << 7LL << " 7" << "7" << "7";
        QTest::newRow("cento") << 100LL << " 100" << "100" << "100";
        QTest::newRow("mille") << 1000LL << " 1000" << "1000" << "1000";
        QTest::newRow("negativo") << -3LL << "-3" << "-3" << "-3";
        QTest::newRow("negativo lungo") << -120LL << "-120" << "-120" << "-120";
    }
    void regole()
    {
        QFETCH(long long, numero);
        QTEST(testoConSpazio(numero), "conSpazio");
        QTEST(testoSemplice(numero), "semplice");
        QTEST(testoRifilato(numero), "rifilato");
    }
    void confrontoEsatto()
    {
        // A typed "07" is not the expected "7": texts are compared as they stand.
        QVERIFY(QStringLiteral("07") != testoRifilato(7));
    }
    void statoIniziale()
    {
        const Modulo1 m;
        QCOMPARE(m.ContatoreOperazioni, 0);
        QVERIFY(m.Nome.isEmpty());
        QVERIFY(m.TempiTotaliTesto[3].isEmpty());
        QVERIFY(m.Operazioni[40].isEmpty());
        QCOMPARE(m.Operazioni.size(), std::size_t(46));
        QCOMPARE(m.TempiTotali.size(), std::size_t(6));
        QCOMPARE(sizeof(m.NumeroMassimo), std::size_t(2));
    }
};

TARVOLINI_TEST_MAIN(TestTestoNumeri)
#include "test_testo_numeri.moc"
