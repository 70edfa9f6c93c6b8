#pragma once
// The certificate's grade: a mark from the share of right answers, and the word that names it.
#include <QString>
#include <cstdint>

inline const QString NonClassificato = QStringLiteral("Non classificato");

// Tenths of the problems answered right, rounded down: 35 of 40 gives 8, 10 of 11 gives 9.
// With no problem counted there is nothing to grade, and the mark is 0.
int16_t votoDi(int risposteEsatte, int operazioni);
// "OTTIMO" for 9 and 10, down to "SUFFICIENTE (!)" for 5; NonClassificato below 5 and above 10.
QString giudizioDi(int voto);
