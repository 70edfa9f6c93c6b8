#pragma once
// The three ways in which the program turns a whole number into text.
#include <QString>

// " 7", " 120", " 0", "-5": a blank before a non-negative number, none before a minus sign.
QString testoConSpazio(long long numero);
// "7", "42", "-5".
QString testoSemplice(long long numero);
// testoConSpazio without its surrounding blanks: the same as testoSemplice for a whole number.
QString testoRifilato(long long numero);
