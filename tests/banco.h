#pragma once
// The test bench: the program's run on the platform's test doubles, and a main() for QtTest
// that prepares the program's look first.
#include "app/applicazione.h"
#include "platform/aspetto.h"
#include "platform/doppi/doppi.h"

#include <QApplication>
#include <QtTest>

struct Banco {
    PiattaformaFinta finta;
    Applicazione app{finta.servizi()};
    Modulo1& m = app.modulo1;
};

// Lets windows that were closed actually go away.
inline void eliminaChiuse()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

#define TARVOLINI_TEST_MAIN(Classe)                                                              \
    int main(int argc, char** argv)                                                              \
    {                                                                                            \
        QApplication applicazione(argc, argv);                                                   \
        preparaAspetto(applicazione);                                                            \
        Classe prova;                                                                            \
        return QTest::qExec(&prova, argc, argv);                                                 \
    }

// For the tests that use a real service started by the test run (a print queue, a sound sink):
// an empty text when the service is there, else why it is not.
inline QString servizioMancante(const char* variabile)
{
    const QString cartella = qEnvironmentVariable(variabile);
    if (cartella.isEmpty())
        return QStringLiteral("%1 is not set: run the test through ctest").arg(QLatin1String(variabile));
    QFile motivo(cartella + QStringLiteral(".non-disponibile"));
    if (motivo.open(QIODevice::ReadOnly))
        return QString::fromUtf8(motivo.readAll()).trimmed();
    return {};
}
