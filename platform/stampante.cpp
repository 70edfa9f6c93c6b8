#include "stampante.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
constexpr int TwipsPerPixel = 15;
constexpr double PuntiImmagineSuPollice = 300.0;
}

StampanteBase::StampanteBase()
{
    azzera();
}

void StampanteBase::azzera()
{
    nomeCorrente = QStringLiteral("Arial");
    punti_ = 10;
    grassetto_ = false;
    x_ = 0;
    y_ = 0;
}

QFont StampanteBase::fontInTwips() const
{
    QFont f(nomeCorrente);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(punti_ * 20))));
    f.setBold(grassetto_);
    return f;
}

void StampanteBase::stampa(const QString& testo, bool conACapo)
{
    const QFont f = fontInTwips();
    disegnaTesto(testo, f, x_, y_);
    if (conACapo) {
        aCapo();
    } else {
        x_ += static_cast<int>(std::lround(QFontMetricsF(f).horizontalAdvance(testo)));
    }
}

void StampanteBase::aCapo()
{
    x_ = 0;
    y_ += static_cast<int>(std::lround(QFontMetricsF(fontInTwips()).height()));
}

QStringList fontDelSistema()
{
    QStringList nomi;
    for (QString famiglia : QFontDatabase::families()) {
        // "Name [foundry]" when a family comes from two foundries: the printer knows it as "Name".
        if (const qsizetype parentesi = famiglia.indexOf(QLatin1String(" ["));
            parentesi > 0 && famiglia.endsWith(QLatin1Char(']')))
            famiglia.truncate(parentesi);
        if (!nomi.contains(famiglia))
            nomi.append(famiglia);
    }
    for (const QString& alias : {QStringLiteral("Courier New"), QStringLiteral("Courier")}) {
        if (!nomi.contains(alias) && QFontInfo(QFont(alias)).fixedPitch())
            nomi.append(alias);
    }
    return nomi;
}

struct StampanteQt::Documento {
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    bool rifiutato = false;
};

StampanteQt::StampanteQt(const QString& file) : filePdf(file) {}

StampanteQt::~StampanteQt()
{
    if (documento) {
        documento->painter.end();
        delete documento;
    }
}

int StampanteQt::numeroFont() const
{
    if (elencoFont.isEmpty())
        elencoFont = fontDelSistema();
    return static_cast<int>(elencoFont.size());
}

QString StampanteQt::nomeFont(int indice) const
{
    numeroFont();
    return elencoFont.value(indice);
}

bool StampanteQt::disponibile() const
{
    // Without any queue Qt would quietly turn the page into a nameless PDF: never let it.
    return !filePdf.isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

StampanteQt::Documento* StampanteQt::apri()
{
    if (documento)
        return documento->rifiutato ? nullptr : documento;
    if (!disponibile())
        return nullptr;
    documento = new Documento;
    QPrinter& p = documento->printer;
    p.setDocName(QStringLiteral("TARVOLINI.1"));
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageOrientation(QPageLayout::Portrait);
    if (!filePdf.isEmpty()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(filePdf);
        p.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    }
    if (!documento->painter.begin(&p)) {
        documento->rifiutato = true;
        return nullptr;
    }
    // One unit of the painter is one twip, counted from the top-left of the printable area.
    documento->painter.scale(p.resolution() / 1440.0, p.resolution() / 1440.0);
    return documento;
}

void StampanteQt::disegnaTesto(const QString& testo, const QFont& fontTwips, int x, int y)
{
    Documento* d = apri();
    if (!d)
        return;
    d->painter.setFont(fontTwips);
    d->painter.setPen(Qt::black);
    d->painter.drawText(QPointF(x, y + QFontMetricsF(fontTwips).ascent()), testo);
}

void StampanteQt::stampaImmagine(QWidget* finestra)
{
    Documento* d = apri();
    if (!d || !finestra)
        return;
    // A raster at 300 dpi: sharp on paper, and small enough to reach the printer quickly.
    const double fattore = PuntiImmagineSuPollice * TwipsPerPixel / 1440.0;
    QImage immagine((QSizeF(finestra->size()) * fattore).toSize(), QImage::Format_RGB32);
    immagine.setDevicePixelRatio(fattore);
    immagine.fill(Qt::white);
    finestra->render(&immagine);
    const QRectF destinazione(0, 0, finestra->width() * TwipsPerPixel, finestra->height() * TwipsPerPixel);
    d->painter.drawImage(destinazione, immagine);
}

Stampante::Esito StampanteQt::fineDocumento()
{
    Esito esito = Esito::Stampato;
    if (!disponibile() && !documento) {
        esito = Esito::NessunaStampante;
    } else {
        Documento* d = apri();   // an empty document still sends its one page
        if (!d || !d->painter.end())
            esito = Esito::Rifiutato;
    }
    delete documento;
    documento = nullptr;
    azzera();
    return esito;
}
