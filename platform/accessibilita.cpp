#include "accessibilita.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace {

// The controls that show no text of their own, by window and control.
struct Nome {
    const char* finestra;
    const char* controllo;
    const char* nome;
};
// clang-format off
const Nome Nomi[] = {
    {"FrmOperativoMeno", "TxtRisultato", "Risultato della divisione"},
    {"FrmOperativoMeno", "cmdSfondo",    "Pulsante inattivo"},
    {"FrmOperativoMeno", "Line1",        "Linea di separazione"},
    {"FrmOperativoMeno", "Line2",        "Linea di separazione"},
    {"FrmOperativoMeno", "Line4",        "Linea di separazione"},
    {"FrmInizio",        "Image1",       "Riquadro vuoto"},
    {"FrmInizio",        "Combo1",       "Scelta del tipo di esercizio"},
    {"FrmInizio",        "txtNome",      "Il tuo nome"},
    {"FrmInizio",        "Shape1",       "Cornice del titolo"},
    {"FrmInizio",        "Shape2",       "Ombra del titolo"},
    {"FrmAttestato",     "Image1",       "Pergamena dell'attestato"},
};
// clang-format on

// The faces of the drill window: one smiling face for each right answer, one sad face for each wrong one.
QString nomeFaccia(int numero)
{
    return numero <= 10 ? QStringLiteral("Faccina sorridente: risposta esatta numero %1").arg(numero)
                        : QStringLiteral("Faccina triste: risposta errata numero %1").arg(numero - 10);
}

QString nomeDaTabella(const QString& finestra, const QString& controllo)
{
    for (const Nome& n : Nomi)
        if (finestra == QLatin1String(n.finestra) && controllo == QLatin1String(n.controllo))
            return QString::fromUtf8(n.nome);
    static const QRegularExpression facce(QStringLiteral("^Image(\\d+)$"));
    const auto trovato = facce.match(controllo);
    if (finestra == QLatin1String("FrmOperativoMeno") && trovato.hasMatch())
        return nomeFaccia(trovato.captured(1).toInt());
    return {};
}

QString testoMostrato(const QWidget* w)
{
    if (const auto* etichetta = qobject_cast<const QLabel*>(w))
        return etichetta->text();
    if (const auto* pulsante = qobject_cast<const QAbstractButton*>(w))
        return pulsante->text();
    return {};
}

} // namespace

namespace accessibilita {

QString paroleSemplici(const QString& testo)
{
    static const QRegularExpression spazioTraParole(QStringLiteral(" {2,}"));
    const QStringList parole = testo.trimmed().split(spazioTraParole);
    QStringList unite;
    for (const QString& parola : parole) {
        const QStringList lettere = parola.split(QLatin1Char(' '));
        if (lettere.size() < 2)
            return {};
        for (const QString& lettera : lettere)
            if (lettera.size() != 1)
                return {};
        unite << lettere.join(QString());
    }
    return unite.join(QLatin1Char(' '));
}

void Sorvegliante::segui(QWidget* w)
{
    ultimo_.insert(w, testoMostrato(w));
    w->setAccessibleName(paroleSemplici(testoMostrato(w)));
    w->installEventFilter(this);
}

bool Sorvegliante::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::Paint)
        aggiorna(static_cast<QWidget*>(oggetto));
    return false;
}

void Sorvegliante::aggiorna(QWidget* w)
{
    const QString testo = testoMostrato(w);
    if (ultimo_.value(w) == testo)
        return;
    ultimo_.insert(w, testo);
    const QString nome = paroleSemplici(testo);
    if (nome != w->accessibleName()) {
        w->setAccessibleName(nome); // Qt reports a new name itself
    } else {
        QAccessibleEvent cambiato(w, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&cambiato);
    }
    emit annunciato(w);
}

void rendiAccessibile(QWidget* finestra)
{
    auto* sorvegliante = new Sorvegliante(finestra);
    const QString nomeFinestra = finestra->objectName();
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        const QString nome = nomeDaTabella(nomeFinestra, w->objectName());
        if (!nome.isEmpty())
            w->setAccessibleName(nome);
        else if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
            sorvegliante->segui(w);
    }
}

} // namespace accessibilita
