#include "campo_risultato.h"

#include <QKeyEvent>
#include <QMouseEvent>

CampoRisultato::CampoRisultato(QWidget* genitore) : QLineEdit(genitore)
{
    // Every character must come as a key event, so that none slips past the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void CampoRisultato::blocca(bool bloccato)
{
    bloccato_ = bloccato;
    // Read-only also shuts out pasting and dropping while the answer waits for the next problem.
    setReadOnly(bloccato);
}

void CampoRisultato::keyPressEvent(QKeyEvent* evento)
{
    evento->accept();
    if (bloccato_)
        return;
    const QString testo = evento->text();
    // Keys that type nothing (arrows, Delete, Home) are the field's own business.
    if (testo.isEmpty() || !filtro) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    int codice = testo.at(0).unicode();
    filtro(codice);
    if (codice != 0 && codice != '\r')
        QLineEdit::keyPressEvent(evento);
}

void CampoRisultato::mouseReleaseEvent(QMouseEvent* evento)
{
    QLineEdit::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        emit cliccato();
}
