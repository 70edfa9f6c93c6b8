#pragma once
// Helpers for the drill window's tests: chosen problems, a window on a chosen range, and the pupil's
// ways of answering (typed keys, keypad, buttons).
#include "banco.h"
#include "drill/campo_risultato.h"
#include "drill/frm_operativo_meno.h"
#include "drill/generatore.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

// Queues the random values that make the next draw give this quotient and divisor in the range.
inline void accodaProblema(Banco& b, int quoto, int divisore, int fascia = 4)
{
    const RegolaFascia* regola = regolaFascia(fascia);
    for (int n : {quoto, divisore})
        b.finta.casuale.valori.enqueue((n - regola->minimo + 0.5) / regola->passi);
}

// Sets the range as a range button of the setup window would, then opens the drill window.
inline FrmOperativoMeno* apriOperativo(Banco& b, int fascia = 4)
{
    b.m.Fascia = fascia;
    b.m.NumeroMinimo = QList<int>{1, 30, 60, 1}.at(fascia - 1);
    b.m.NumeroMassimo = static_cast<int16_t>(QList<int>{30, 60, 99, 99}.at(fascia - 1));
    return b.app.frmOperativoMeno();
}

// Shows the window and makes it the active one, so that the focus can be looked at.
inline bool mostraAttiva(QWidget* finestra)
{
    finestra->show();
    finestra->activateWindow();
    QApplication::setActiveWindow(finestra);
    return QTest::qWaitForWindowActive(finestra);
}

inline bool visibile(const QWidget* w)
{
    return !w->isHidden();
}

inline QString nomeDelFuoco()
{
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(nessuno)");
}

inline void digita(FrmOperativoMeno* w, const QString& testo)
{
    QTest::keyClicks(w->TxtRisultato, testo);
}

inline void invio(FrmOperativoMeno* w)
{
    QTest::keyClick(w->TxtRisultato, Qt::Key_Return);
}

// A mouse click on a button, as long as the pupil could see and use it; like a real click, it makes
// the button's window the active one.
[[nodiscard]] inline bool clicca(QPushButton* pulsante)
{
    if (!pulsante->isVisible() || !pulsante->isEnabled())
        return false;
    if (!pulsante->window()->isActiveWindow() && !mostraAttiva(pulsante->window()))
        return false;
    QTest::mouseClick(pulsante, Qt::LeftButton);
    return true;
}

// The keypad key that carries this caption.
inline QPushButton* tasto(FrmOperativoMeno* w, const QString& didascalia)
{
    for (QPushButton* t : w->Command)
        if (t && t->text() == didascalia)
            return t;
    return nullptr;
}

// Answers the current problem with the text typed and Enter, after the given seconds.
inline void rispondi(Banco& b, FrmOperativoMeno* w, const QString& testo, double secondi = 3)
{
    b.finta.orologio.secondi += secondi;
    digita(w, testo);
    invio(w);
}

// Goes on from a verified problem: the next problem, or the next exercise after the 10th.
inline void avanti(FrmOperativoMeno* w)
{
    (visibile(w->CmdOperazione) ? w->CmdOperazione : w->CmdEsercizio)->click();
}
