// The busy cursor while a page goes to the printer: shown while the page is handed over, gone before
// any message to the pupil and once printing ends.
#include "banco.h"
#include "attestato_stampato.h"
#include "revisione_pratica.h"
#include "certificate/frm_attestato.h"
#include "platform/attesa.h"
#include "review/frm_stampa.h"

#include <QPushButton>

namespace {

std::optional<Qt::CursorShape> cursoreAttuale()
{
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? std::optional(c->shape()) : std::nullopt;
}

// Prints the report or the certificate once.
void stampa(Banco& b, bool attestato)
{
    if (attestato) {
        praticaPromossa(b.m);
        FrmAttestato* f = b.app.frmAttestato();
        f->show();
        f->Command2->click();
    } else {
        riempiPratica(b.m, 40);
        FrmStampa* f = b.app.frmStampa();
        f->show();
        f->cmdStampaS->click();
    }
}

} // namespace

class ProvaAttesaStampa : public QObject {
    Q_OBJECT
private slots:
    void attesaAnnidata()
    {
        {
            Attesa esterna;
            {
                Attesa interna;
                interna.fine();
                interna.fine(); // a second end must not undo the outer wait
                QCOMPARE(cursoreAttuale(), std::optional(Qt::WaitCursor));
            }
            QCOMPARE(cursoreAttuale(), std::optional(Qt::WaitCursor));
        }
        QCOMPARE(cursoreAttuale(), std::nullopt);
    }

    void stampe_data()
    {
        QTest::addColumn<bool>("attestato");
        QTest::addColumn<bool>("rifiuta");
        QTest::newRow("report") << false << false;
        QTest::newRow("report refused") << false << true;
        QTest::newRow("certificate") << true << false;
        QTest::newRow("certificate refused") << true << true;
    }
    void stampe()
    {
        QFETCH(bool, attestato);
        QFETCH(bool, rifiuta);
        Banco b;
        b.finta.stampante.rifiuta = rifiuta;
        std::optional<Qt::CursorShape> duranteAvviso = Qt::BlankCursor;
        b.finta.messaggi.mentreAperto = [&](const MessaggiFinti::Richiesta&) { duranteAvviso = cursoreAttuale(); };
        stampa(b, attestato);
        QCOMPARE(b.finta.stampante.cursoreAllaFine, std::optional(Qt::WaitCursor));
        QCOMPARE(cursoreAttuale(), std::nullopt);
        QCOMPARE(b.finta.messaggi.richieste.size(), rifiuta ? 1 : 0);
        if (rifiuta)
            QCOMPARE(duranteAvviso, std::nullopt);
    }
};

TARVOLINI_TEST_MAIN(ProvaAttesaStampa)
#include "test_attesa_stampa.moc"
