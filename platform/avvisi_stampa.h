#pragma once
// What the pupil is told when a page cannot be printed.
#include "attesa.h"
#include "messaggi.h"
#include "stampante.h"

inline const QString TestoNessunaStampante =
    QStringLiteral("Non c'è nessuna stampante installata.\rChiedi all'insegnante di installarne una e riprova.");
inline const QString TestoStampaRifiutata =
    QStringLiteral("La stampante non ha accettato la pagina: non è stato stampato niente.\rControlla la stampante e riprova.");

// True when a printer exists; otherwise the pupil is told so.
bool stampanteDisponibile(const Stampante& stampante, Messaggi& messaggi);
// Ends the document and tells the pupil when the page did not go out. True when it was printed.
// A busy cursor given here ends once the page is handed over, before any message.
bool concludiStampa(Stampante& stampante, Messaggi& messaggi, Attesa* attesa = nullptr);
