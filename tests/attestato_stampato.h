#pragma once
// Looking at a printed certificate: a state that gives a passing practice, the first page of a PDF
// turned back into pixels, and counting the pixels of a colour in a part of a picture.
#include "state/modulo1.h"

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

// A finished practice with 35 right answers of 40 on the range 1 to 30 ("DISTINTO").
inline void praticaPromossa(Modulo1& m)
{
    m.Nome = QStringLiteral("giovanni");
    m.NumeroMinimo = 1;
    m.NumeroMassimo = 30;
    m.RisposteEsatte = 35;
    m.ContatoreOperazioni = 40;
    m.TestoIstruzione = QStringLiteral(" Calcola il quoto");
}

// The first page at 96 dpi, where one pixel is one pixel of the window (15 twips).
inline QImage paginaInPixel(const QString& pdf)
{
    QTemporaryDir cartella;
    const QString base = cartella.filePath(QStringLiteral("pagina"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"),
                                                QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                                QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, base});
    pdftoppm.waitForFinished(60000);
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The number of pixels in `zona` within `scarto` of `colore` on every component.
inline int pixelDelColore(const QImage& immagine, const QRect& zona, const QColor& colore, int scarto = 12)
{
    const QImage rgb = immagine.convertToFormat(QImage::Format_RGB32);
    const QRect dentro = zona.intersected(rgb.rect());
    int trovati = 0;
    for (int y = dentro.top(); y <= dentro.bottom(); ++y)
        for (int x = dentro.left(); x <= dentro.right(); ++x) {
            const QColor c = rgb.pixelColor(x, y);
            if (qAbs(c.red() - colore.red()) <= scarto && qAbs(c.green() - colore.green()) <= scarto
                && qAbs(c.blue() - colore.blue()) <= scarto)
                ++trovati;
        }
    return trovati;
}

// How many dots per inch the first image of the PDF carries, and its width in pixels (pdfimages -list).
struct ImmaginePdf {
    int immagini = 0;
    int larghezza = 0;
    int ppi = 0;
};

inline ImmaginePdf immagineDelPdf(const QString& pdf)
{
    QProcess pdfimages;
    pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    pdfimages.waitForFinished(30000);
    const QStringList righe = QString::fromUtf8(pdfimages.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ImmaginePdf esito;
    esito.immagini = static_cast<int>(righe.size()) - 2;   // two lines of heading
    if (esito.immagini > 0) {
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        const QStringList campi = righe[2].simplified().split(QLatin1Char(' '));
        esito.larghezza = campi.value(3).toInt();
        esito.ppi = std::min(campi.value(12).toInt(), campi.value(13).toInt());
    }
    return esito;
}
