// Enter in the answer field to the verdict painted, over 1,000 verifications, then the time to hand
// the report and the certificate to a PDF printer. Prints the figures in microseconds.
#include "app/applicazione.h"
#include "certificate/frm_attestato.h"
#include "drill/campo_risultato.h"
#include "drill/frm_operativo_meno.h"
#include "platform/aspetto.h"
#include "platform/doppi/doppi.h"
#include "platform/stampante.h"
#include "review/frm_stampa.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when the verdict is painted.
class Dipinto : public QObject {
public:
    bool visto = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            visto = true;
        return false;
    }
};

long long percentile(std::vector<long long> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

void verifiche()
{
    std::vector<long long> tempi;
    QElapsedTimer t;
    while (tempi.size() < 1000) {
        PiattaformaFinta finta;
        Applicazione app(finta.servizi());
        app.modulo1.Fascia = 4;
        app.modulo1.NumeroMinimo = 1;
        app.modulo1.NumeroMassimo = 99;
        FrmOperativoMeno* w = app.frmOperativoMeno();
        w->show();
        QApplication::processEvents();
        Dipinto dipinto;
        w->LblEsito->installEventFilter(&dipinto);
        // A whole practice of 40 problems in each window, as a pupil works it, answered right and wrong in turn.
        for (int k = 0; k < 40 && tempi.size() < 1000; ++k) {
            const QString giusta = app.modulo1.RispostaAttesa;
            QTest::keyClicks(w->TxtRisultato, k % 2 ? QStringLiteral("0") : giusta);
            QApplication::processEvents();
            dipinto.visto = false;
            t.start();
            QTest::keyClick(w->TxtRisultato, Qt::Key_Return);
            while (!dipinto.visto)
                QApplication::processEvents();
            tempi.push_back(t.nsecsElapsed() / 1000);
            if (k == 39)
                break;
            // The next problem, or after the tenth the next exercise.
            (w->CmdOperazione->isVisible() ? w->CmdOperazione : w->CmdEsercizio)->click();
            QApplication::processEvents();
            if (app.modulo1.ContatoreOperazioni != k + 2) {
                std::fprintf(stderr, "the practice did not move on to problem %d\n", k + 2);
                std::exit(1);
            }
        }
        w->LblEsito->removeEventFilter(&dipinto);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("verifica_p50_us %lld\nverifica_p99_us %lld\n", percentile(tempi, 0.5), percentile(tempi, 0.99));
}

// A platform of test doubles whose printer is a real one writing a PDF.
struct PiattaformaPdf {
    PiattaformaFinta finta;
    StampanteQt stampante;
    explicit PiattaformaPdf(const QString& file) : stampante(file) {}
    Piattaforma servizi()
    {
        Piattaforma p = finta.servizi();
        return {p.orologio, p.casuale, p.messaggi, p.suono, p.avvio, p.programma, stampante};
    }
};

void stampe(const QString& cartella)
{
    QElapsedTimer t;
    {
        PiattaformaPdf pdf(cartella + QStringLiteral("/resoconto.pdf"));
        Applicazione app(pdf.servizi());
        app.modulo1.ContatoreOperazioni = 40;
        for (int i = 1; i <= 40; ++i)
            app.modulo1.Operazioni[i] = QStringLiteral(" 7 :  6 =  7   (7)   2 Tp");
        FrmStampa* f = app.frmStampa();
        f->show();
        QApplication::processEvents();
        t.start();
        f->cmdStampaS->click();
        std::printf("stampa_resoconto_us %lld\n", t.nsecsElapsed() / 1000);
        f->close();
    }
    {
        PiattaformaPdf pdf(cartella + QStringLiteral("/attestato.pdf"));
        Applicazione app(pdf.servizi());
        app.modulo1.Nome = QStringLiteral("Mario");
        app.modulo1.RisposteEsatte = 36;
        app.modulo1.ContatoreOperazioni = 40;
        FrmAttestato* f = app.frmAttestato();
        f->show();
        QApplication::processEvents();
        t.start();
        f->Command2->click();
        std::printf("stampa_attestato_us %lld\n", t.nsecsElapsed() / 1000);
        f->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication programma(argc, argv);
    preparaAspetto(programma);
    verifiche();
    stampe(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp"));
    return 0;
}
