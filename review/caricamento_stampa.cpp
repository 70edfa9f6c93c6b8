// The review window's load step: a snapshot of the practice, taken once when the window is created.
#include "font_courier.h"
#include "frm_stampa.h"

#include "../app/applicazione.h"

#include <QLabel>
#include <algorithm>

void FrmStampa::Form_Load()
{
    Modulo1& m = app.modulo1;
    const QString font = cercaFontCourier(app.piattaforma.stampante, app.piattaforma.messaggi);
    if (font.isEmpty())
        return;
    // Records after the 40th (the pupil went on after the practice) have no label.
    const int ultimo = std::min(m.ContatoreOperazioni, NumeroEtichette);
    const QFont carattereRecord =
        font == CourierNew ? forma::carattere(CourierNew, 9, true) : forma::carattere(Courier, 10);
    for (m.Indice = 1; m.Indice <= ultimo; ++m.Indice)
        LblOp(m.Indice)->setFont(carattereRecord);
    Label6->setText(font);
    for (m.Indice = 1; m.Indice <= ultimo; ++m.Indice)
        LblOp(m.Indice)->setText(m.Operazioni.at(m.Indice));
    QLabel* const totali[] = {Label1, Label2, Label3, Label4};
    for (int esercizio = 1; esercizio <= 4; ++esercizio)
        totali[esercizio - 1]->setText(QStringLiteral("Tempo totale:    ") + m.TempiTotaliTesto.at(esercizio) +
                                       QStringLiteral(" sec."));
}
