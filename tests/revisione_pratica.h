#pragma once
// A practice as the drill window leaves it: records in their 25-character form and exercise times.
#include "state/modulo1.h"

#include <QString>

// The record of problem n, all different: quotient 1..19, answer right or wrong, seconds 1..40.
inline QString recordDiProva(int n)
{
    const int quoto = n % 19 + 1;
    const bool giusta = n % 3 != 0;
    const int risposta = giusta ? quoto : quoto + 1;
    const QString tra = QStringLiteral("(%1)").arg(risposta);
    return QStringLiteral("%1 :  ? = %2%3%4%5 Tp")
        .arg(quoto, 2)
        .arg(quoto, 2)
        .arg(tra, 6)
        .arg(giusta ? QLatin1Char(' ') : QLatin1Char('*'))
        .arg(QLatin1Char(' ') + QString::number(n), 3);
}

// Problems 1..problemi answered, with the exercise times of the exercises begun.
inline void riempiPratica(Modulo1& m, int problemi)
{
    for (int n = 1; n <= problemi; ++n)
        m.Operazioni.at(n) = recordDiProva(n);
    m.ContatoreOperazioni = problemi;
    const QString tempi[] = {QStringLiteral(" 48"), QStringLiteral(" 103"), QStringLiteral(" 9"), QStringLiteral(" 1000")};
    for (int esercizio = 1; esercizio <= 4 && (esercizio - 1) * 10 < problemi; ++esercizio)
        m.TempiTotaliTesto.at(esercizio) = tempi[esercizio - 1];
}
