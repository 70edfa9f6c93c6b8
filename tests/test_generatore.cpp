// The problem generator and the random numbers behind it.
#include "banco.h"
#include "drill/generatore.h"

#include <QSet>
#include <map>

namespace {
// Every pair that the range allows, worked out independently of the generator.
QSet<QPair<int, int>> coppieAmmesse(int fascia)
{
    const int minimo = fascia == 1 ? 1 : 5;
    const int massimo = fascia == 1 ? 10 : fascia == 2 ? 14 : 19;
    QSet<QPair<int, int>> coppie;
    for (int q = minimo; q <= massimo; ++q)
        for (int d = minimo; d <= massimo; ++d) {
            const int p = q * d;
            const bool ammessa = fascia == 1   ? p <= 30
                                 : fascia == 2 ? p >= 30 && p <= 60
                                 : fascia == 3 ? p >= 60 && p <= 98
                                               : p <= 98;
            if (ammessa)
                coppie.insert({q, d});
        }
    return coppie;
}
}

class TestGeneratore : public QObject {
    Q_OBJECT
private slots:
    void coppieEFrequenze_data()
    {
        QTest::addColumn<int>("fascia");
        QTest::addColumn<int>("numeroCoppie");
        QTest::addColumn<double>("tentativiMedi");
        QTest::newRow("1 a 30") << 1 << 61 << 100.0 / 61;
        QTest::newRow("30 a 60") << 2 << 26 << 100.0 / 26;
        QTest::newRow("60 a 99") << 3 << 54 << 225.0 / 54;
        QTest::newRow("1 a 99") << 4 << 77 << 225.0 / 77;
    }
    void coppieEFrequenze()
    {
        QFETCH(int, fascia);
        QFETCH(int, numeroCoppie);
        QFETCH(double, tentativiMedi);
        const QSet<QPair<int, int>> ammesse = coppieAmmesse(fascia);
        QCOMPARE(ammesse.size(), numeroCoppie);

        OrologioSistema orologio;
        CasualeMersenne casuale;
        Modulo1 m;
        m.Fascia = fascia;
        std::map<QPair<int, int>, int> viste;
        const int estrazioni = 40000;
        long tentativi = 0;
        for (int i = 0; i < estrazioni; ++i) {
            tentativi += livello(m, orologio, casuale);
            const QPair<int, int> coppia{m.Quoto, m.Divisore};
            QVERIFY2(ammesse.contains(coppia), qPrintable(QStringLiteral("%1 x %2").arg(m.Quoto).arg(m.Divisore)));
            ++viste[coppia];
            QCOMPARE(m.SpazioQuoto, m.Quoto < 10 ? QStringLiteral(" ") : QString());
        }
        QCOMPARE(int(viste.size()), numeroCoppie);
        // Every allowed pair is equally likely: none falls far below its share.
        const double attesa = double(estrazioni) / numeroCoppie;
        for (const auto& [coppia, volte] : viste)
            QVERIFY2(volte > attesa * 0.6 && volte < attesa * 1.4,
                     qPrintable(QStringLiteral("%1 x %2: %3 volte").arg(coppia.first).arg(coppia.second).arg(volte)));
        QVERIFY(qAbs(double(tentativi) / estrazioni - tentativiMedi) < 0.1 * tentativiMedi);
    }

    void estremiDelleFasce()
    {
        OrologioSistema orologio;
        CasualeMersenne casuale;
        Modulo1 m;
        for (int fascia = 1; fascia <= 4; ++fascia) {
            m.Fascia = fascia;
            int minimo = 1000, massimo = 0;
            for (int i = 0; i < 20000; ++i) {
                livello(m, orologio, casuale);
                minimo = qMin(minimo, m.Quoto * m.Divisore);
                massimo = qMax(massimo, m.Quoto * m.Divisore);
            }
            const int attesi[4][2] = {{1, 30}, {30, 60}, {60, 98}, {25, 98}};
            QCOMPARE(minimo, attesi[fascia - 1][0]);
            QCOMPARE(massimo, attesi[fascia - 1][1]);
        }
    }

    void scriptDeiValori()
    {
        // Int(Rnd × 10) + 1 with the quotient drawn first: 0.65 gives 7, 0.55 gives 6.
        Banco b;
        b.m.Fascia = 1;
        b.finta.casuale.valori.append({0.95, 0.95, 0.65, 0.55});   // 10 × 10 is refused, 7 × 6 too
        b.finta.casuale.valori.append({0.65, 0.25});         // 7 × 3 = 21 is kept
        QCOMPARE(livello(b.m, b.finta.orologio, b.finta.casuale), 3);
        QCOMPARE(b.m.Quoto, 7);
        QCOMPARE(b.m.Divisore, 3);
        QCOMPARE(b.m.SpazioQuoto, QStringLiteral(" "));
        QCOMPARE(b.finta.casuale.semi.size(), 1);   // range 1 seeds once per call
    }

    void fascia2ConOrologioFermo()
    {
        // Range 2 seeds again before every attempt, often with the same reading: it must still end
        // at once and give different problems.
        OrologioFinto orologio;
        CasualeMersenne casuale;
        Modulo1 m;
        m.Fascia = 2;
        QSet<QPair<int, int>> viste;
        for (int i = 0; i < 500; ++i) {
            const int tentativi = livello(m, orologio, casuale);
            QVERIFY(tentativi >= 1 && tentativi < 100);
            viste.insert({m.Quoto, m.Divisore});
        }
        QCOMPARE(viste.size(), 26);
    }

    void stessoSemeNuoviValori()
    {
        CasualeMersenne casuale;
        casuale.semina(1234.5);
        const double primo = casuale.prossimo();
        casuale.semina(1234.5);
        QVERIFY(casuale.prossimo() != primo);
        for (int i = 0; i < 100000; ++i) {
            const double v = casuale.prossimo();
            QVERIFY(v >= 0.0 && v < 1.0);
        }
    }
};

TARVOLINI_TEST_MAIN(TestGeneratore)
#include "test_generatore.moc"
