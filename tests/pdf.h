#pragma once
// Reading back a printed PDF: the words on its first page with their boxes, through pdftotext -bbox,
// its fonts, and the files that the test print queue wrote.
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QList>
#include <QThread>

struct ParolaPdf {
    QString testo;
    double xMin, yMin, xMax, yMax;   // points from the page's top-left corner
};

inline QList<ParolaPdf> paroleDelPdf(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                  QStringLiteral("-l"), QStringLiteral("1"), file, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression parola(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<ParolaPdf> parole;
    for (auto it = parola.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString testo = m.captured(5);
        testo.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"));
        parole.append({testo, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                       m.captured(4).toDouble()});
    }
    return parole;
}

// The names of the fonts that the PDF embeds (pdffonts).
inline QString fontDelPdf(const QString& file)
{
    QProcess pdffonts;
    pdffonts.start(QStringLiteral("pdffonts"), {file});
    pdffonts.waitForFinished(30000);
    return QString::fromUtf8(pdffonts.readAllStandardOutput());
}

// When this test program started: the queue's PDFs from before it are not its own.
inline const QDateTime avvioDellaProva = QDateTime::currentDateTime().addSecs(-1);

// Where the test print queue writes its PDFs: the folder that its start-up recorded, since the queue
// falls back to the system's folder where it cannot have a private one.
inline QString cartellaPdf(const QString& cartellaCups)
{
    QFile ambiente(cartellaCups + QStringLiteral("/env.sh"));
    if (ambiente.open(QIODevice::ReadOnly)) {
        static const QRegularExpression riga(QStringLiteral("PDF_PRINTER_OUTDIR='([^']*)'"));
        if (const auto trovata = riga.match(QString::fromUtf8(ambiente.readAll())); trovata.hasMatch())
            return trovata.captured(1);
    }
    return cartellaCups + QStringLiteral("/out");
}

// Waits until the queue has no job left and its PDF is written, then returns the PDFs that it wrote
// since this test program started.
inline QStringList pdfStampati(const QString& cartellaCups)
{
    QStringList trovati;
    for (int i = 0; i < 300 && trovati.isEmpty(); ++i) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        lpstat.waitForFinished(10000);
        if (lpstat.readAllStandardOutput().trimmed().isEmpty()) {
            QDirIterator it(cartellaPdf(cartellaCups), {QStringLiteral("*.pdf")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                if (it.next(); it.fileInfo().lastModified() >= avvioDellaProva)
                    trovati.append(it.filePath());
        }
        if (trovati.isEmpty())
            QThread::msleep(100);
    }
    return trovati;
}
