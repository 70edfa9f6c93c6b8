// Writes the program's icon as PNG files in the desktop's icon sizes: genera_icone OUTPUT_DIR.
#include "platform/immagini.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication applicazione(argc, argv);
    if (argc < 2)
        return 2;
    const QIcon icona = iconaProgramma();
    if (icona.availableSizes().isEmpty())
        return 1;
    for (const QSize& misura : icona.availableSizes()) {
        const int lato = misura.width();
        const QString cartella = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(lato);
        if (!QDir().mkpath(cartella) || !icona.pixmap(lato).save(cartella + QStringLiteral("/tarvolini.png")))
            return 1;
    }
    return 0;
}
