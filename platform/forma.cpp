#include "forma.h"

#include "accessibilita.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace forma {

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect rettangolo(int sinistra, int alto, int larghezza, int altezza)
{
    return {px(sinistra), px(alto), px(larghezza), px(altezza)};
}

long long compattato(const QColor& colore)
{
    return colore.red() + 256LL * colore.green() + 65536LL * colore.blue();
}

QColor daCompattato(long long valore)
{
    return QColor(static_cast<int>(valore & 0xFF), static_cast<int>((valore >> 8) & 0xFF),
                  static_cast<int>((valore >> 16) & 0xFF));
}

QColor daEsadecimale(const QString& testo)
{
    QString cifre = testo;
    if (cifre.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        cifre.remove(0, 2);
    if (cifre.endsWith(QLatin1Char('&')))
        cifre.chop(1);
    return daCompattato(cifre.toLongLong(nullptr, 16));
}

QFont carattere(const QString& famiglia, double punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

void sfondo(QWidget* controllo, const QColor& colore)
{
    QPalette p = controllo->palette();
    for (auto ruolo : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(ruolo, colore);
    controllo->setPalette(p);
    controllo->setAutoFillBackground(true);
}

void coloreTesto(QWidget* controllo, const QColor& colore)
{
    QPalette p = controllo->palette();
    for (auto ruolo : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(ruolo, colore);
    controllo->setPalette(p);
}

void impila(std::initializer_list<QWidget*> dallAlto)
{
    for (auto it = std::rbegin(dallAlto); it != std::rend(dallAlto); ++it)
        (*it)->raise();
}

static void applica(QWidget* controllo, const char* nome, const QRect& twips, const Aspetto& aspetto)
{
    controllo->setObjectName(QString::fromLatin1(nome));
    controllo->setGeometry(rettangolo(twips.x(), twips.y(), twips.width(), twips.height()));
    controllo->setFont(aspetto.font);
    if (aspetto.sfondo)
        sfondo(controllo, *aspetto.sfondo);
    if (aspetto.testo)
        coloreTesto(controllo, *aspetto.testo);
}

QLabel* etichetta(QWidget* contenitore, const char* nome, const QString& testo, const QRect& twips,
                  const Aspetto& aspetto)
{
    auto* l = new QLabel(testo, contenitore);
    applica(l, nome, twips, aspetto);
    l->setAlignment(aspetto.allineamento);
    l->setWordWrap(true);
    if (aspetto.bordo)
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    return l;
}

QPushButton* pulsante(QWidget* contenitore, const char* nome, const QString& testo, const QRect& twips,
                      const Aspetto& aspetto)
{
    auto* b = new QPushButton(testo, contenitore);
    applica(b, nome, twips, aspetto);
    b->setAutoDefault(true);
    return b;
}

} // namespace forma

FinestraFissa::FinestraFissa(const char* nome, int larghezzaTwips, int altezzaTwips)
    : area_(new QWidget(this))
{
    setObjectName(QString::fromLatin1(nome));
    setAttribute(Qt::WA_DeleteOnClose);
    area_->setObjectName(QStringLiteral("area"));
    area_->setFixedSize(forma::px(larghezzaTwips), forma::px(altezzaTwips));
    setCentralWidget(area_);
}

void FinestraFissa::fissa()
{
    const int barra = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    setFixedSize(area_->width(), area_->height() + barra);
}

void FinestraFissa::centra()
{
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!schermo)
        return;
    QRect r = frameGeometry();
    r.moveCenter(schermo->availableGeometry().center());
    move(r.topLeft());
}

void FinestraFissa::showEvent(QShowEvent* evento)
{
    if (!accessibile_) {
        accessibile_ = true;
        accessibilita::rendiAccessibile(this);
    }
    QMainWindow::showEvent(evento);
}

void FinestraFissa::closeEvent(QCloseEvent* evento)
{
    if (!chiusa_) {
        chiusa_ = true;
        allaChiusura();
    }
    evento->accept();
}
