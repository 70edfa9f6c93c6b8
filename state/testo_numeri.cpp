#include "testo_numeri.h"

QString testoConSpazio(long long numero)
{
    return numero < 0 ? QString::number(numero) : QLatin1Char(' ') + QString::number(numero);
}

QString testoSemplice(long long numero)
{
    return QString::number(numero);
}

QString testoRifilato(long long numero)
{
    return testoConSpazio(numero).trimmed();
}
