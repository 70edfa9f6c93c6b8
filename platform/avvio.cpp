#include "avvio.h"

#include <QProcess>

bool AvvioQt::avvia(const QString& nomeFile)
{
    return QProcess::startDetached(nomeFile, {});
}
