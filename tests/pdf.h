#pragma once
// Reading back a printed PDF: the words on its first page with their boxes, through pdftotext -bbox.
#include <QDir>
#include <QDirIterator>
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

// Waits until the queue has no job left, then returns the PDFs it wrote.
inline QStringList pdfStampati(const QString& cartellaCups)
{
    for (int i = 0; i < 300; ++i) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        lpstat.waitForFinished(10000);
        if (lpstat.readAllStandardOutput().trimmed().isEmpty())
            break;
        QThread::msleep(100);
    }
    QStringList trovati;
    QDirIterator it(cartellaCups + QStringLiteral("/out"), {QStringLiteral("*.pdf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        trovati.append(it.next());
    return trovati;
}
