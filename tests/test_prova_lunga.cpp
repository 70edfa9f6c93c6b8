// A long random use of the whole program, as a child at the keyboard and mouse would give it: keys, clicks,
// menu entries, window switches, closings and answers to every message, thousands of them per seed. After
// every event the shared state and the open windows must still agree with each other.
#include "banco.h"
#include "drill/campo_risultato.h"
#include "drill/frm_operativo_meno.h"
#include "setup/frm_inizio.h"
#include "setup/frm_sfondo.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <array>
#include <cmath>
#include <memory>
#include <span>

#ifndef TARVOLINI_EVENTI_PROVA_LUNGA
#define TARVOLINI_EVENTI_PROVA_LUNGA 20000
#endif

namespace {

// Events per seed; the environment variable of the same name sets another count for a longer or shorter run.
int eventiPerSeme()
{
    bool ok = false;
    const int scelti = qEnvironmentVariableIntValue("TARVOLINI_EVENTI_PROVA_LUNGA", &ok);
    return ok && scelti > 0 ? scelti : TARVOLINI_EVENTI_PROVA_LUNGA;
}

// The offscreen platform warns at every raise and keyboard grab: thousands of lines that say nothing here.
QtMessageHandler gestorePrecedente = nullptr;
void filtraAvvisi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (tipo == QtWarningMsg && testo.startsWith(QLatin1String("This plugin does not support")))
        return;
    gestorePrecedente(tipo, contesto, testo);
}
constexpr double SecondiDelGiorno = 24 * 60 * 60;

// An opened record, and a completed one: quotient twice, then the answer, the mark, the seconds and "Tp".
const QRegularExpression RecordAperto(QStringLiteral(R"(^( \d|\d\d) :  \? = ( \d|\d\d)$)"));
const QRegularExpression RecordCompleto(
    QStringLiteral(R"(^( \d|\d\d) :  \? = ( \d|\d\d) {0,3}\((\d{0,3})\)([ *]) ? (\d+) Tp$)"));

// The keys a pupil may press: digits and letters as text, and the keys that move, erase or confirm.
const QList<Qt::Key> TastiDiComando{Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Backspace, Qt::Key_Delete,
                                   Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Space,     Qt::Key_Left,
                                   Qt::Key_Right,  Qt::Key_Home,   Qt::Key_End,       Qt::Key_F1,
                                   Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Minus,     Qt::Key_Period};
const QString Caratteri = QStringLiteral("0123456789012345678901234567890123456789abzAZ -+.,*/:?!'è");

// Checks a practice's counters, records, times and the drill window's controls; empty when all agree.
QString controllaPratica(const Modulo1& m, FrmOperativoMeno* w)
{
    if (m.Digitato != w->TxtRisultato->text())
        return QStringLiteral("Digitato \"%1\" differs from the field \"%2\"").arg(m.Digitato, w->TxtRisultato->text());
    const QString campo = w->TxtRisultato->text();
    if (campo.size() > Modulo1::RispostaMassima)
        return QStringLiteral("the field holds more than 3 characters: \"%1\"").arg(campo);
    for (QChar c : campo)
        if (!c.isDigit())
            return QStringLiteral("the field holds a refused character: \"%1\"").arg(campo);

    if (m.ContatoreOperazioni < 1 || m.ContatoreOperazioni > Modulo1::OperazioniPerPratica)
        return QStringLiteral("ContatoreOperazioni %1").arg(m.ContatoreOperazioni);
    if (m.NumeroOperazione < 1 || m.NumeroOperazione > Modulo1::OperazioniPerEsercizio)
        return QStringLiteral("NumeroOperazione %1").arg(m.NumeroOperazione);
    if (m.NumeroEsercizio < 0 || m.NumeroEsercizio > 4)
        return QStringLiteral("NumeroEsercizio %1").arg(m.NumeroEsercizio);
    if (m.Esatte < 0 || m.Errate < 0 || m.Esatte + m.Errate > m.NumeroOperazione)
        return QStringLiteral("Esatte %1 + Errate %2 against NumeroOperazione %3")
            .arg(m.Esatte)
            .arg(m.Errate)
            .arg(m.NumeroOperazione);
    // Exercise 0 means the practice is over: its last exercise was the fourth.
    const int esercizio = m.NumeroEsercizio == 0 ? 4 : m.NumeroEsercizio;
    if (m.ContatoreOperazioni != (esercizio - 1) * Modulo1::OperazioniPerEsercizio + m.NumeroOperazione)
        return QStringLiteral("ContatoreOperazioni %1 out of step with exercise %2, problem %3")
            .arg(m.ContatoreOperazioni)
            .arg(m.NumeroEsercizio)
            .arg(m.NumeroOperazione);

    const int grandi = int(!w->CmdVerifica->isHidden()) + int(!w->CmdOperazione->isHidden()) +
                       int(!w->CmdEsercizio->isHidden());
    if (grandi > 1)
        return QStringLiteral("%1 big buttons are visible").arg(grandi);

    // Records: slot 0 and the slots past a practice stay empty; before the current problem every record is
    // complete. From the current slot on a record may be open, or left by an earlier practice until this
    // one reaches its slot (nothing shows or prints past the current problem).
    for (int slot : {0, 41, 42, 43, 44, 45})
        if (!m.Operazioni[static_cast<std::size_t>(slot)].isEmpty())
            return QStringLiteral("slot %1 was written: \"%2\"").arg(slot).arg(m.Operazioni[static_cast<std::size_t>(slot)]);
    const int primo = m.ContatoreOperazioni - m.NumeroOperazione + 1;
    int completi = 0, sbagliati = 0, secondi = 0;
    for (int slot = 1; slot <= Modulo1::OperazioniPerPratica; ++slot) {
        const QString& record = m.Operazioni[static_cast<std::size_t>(slot)];
        const auto fatto = RecordCompleto.match(record);
        const bool aperto = RecordAperto.match(record).hasMatch();
        const bool ammesso = slot < m.ContatoreOperazioni   ? fatto.hasMatch()
                                                             : fatto.hasMatch() || aperto || record.isEmpty();
        if (!ammesso)
            return QStringLiteral("record %1 is \"%2\"").arg(slot).arg(record);
        if (fatto.hasMatch()) {
            const bool giusta = fatto.captured(3) == fatto.captured(1).trimmed();
            if (giusta != (fatto.captured(4) == QLatin1String(" ")))
                return QStringLiteral("record %1 has the wrong mark: \"%2\"").arg(slot).arg(record);
            if (fatto.captured(1) != fatto.captured(2))
                return QStringLiteral("record %1 holds two quotients: \"%2\"").arg(slot).arg(record);
            if (slot >= primo && slot <= m.ContatoreOperazioni) {
                ++completi;
                sbagliati += int(fatto.captured(4) == QLatin1String("*"));
                secondi += fatto.captured(5).toInt();
            }
        }
    }
    if (completi != m.Esatte + m.Errate || sbagliati != m.Errate)
        return QStringLiteral("the exercise's records (%1 done, %2 wrong) disagree with Esatte %3, Errate %4")
            .arg(completi)
            .arg(sbagliati)
            .arg(m.Esatte)
            .arg(m.Errate);
    if (m.NumeroEsercizio >= 1 && secondi != m.TempiTotali[static_cast<std::size_t>(m.NumeroEsercizio)])
        return QStringLiteral("the exercise's records add up to %1 s, its total is %2 s")
            .arg(secondi)
            .arg(m.TempiTotali[static_cast<std::size_t>(m.NumeroEsercizio)]);
    // Awaiting an answer means an open record; a verified answer means a completed one.
    const bool attende = RecordAperto.match(m.Operazioni[static_cast<std::size_t>(m.ContatoreOperazioni)]).hasMatch();
    if (attende && (!w->CmdOperazione->isHidden() || !w->CmdEsercizio->isHidden()))
        return QStringLiteral("the next-problem buttons show before the answer was verified");
    if (!attende && !w->CmdVerifica->isHidden())
        return QStringLiteral("the verify button shows for a verified answer");
    return {};
}

QString controllaStato(Banco& b)
{
    const Modulo1& m = b.m;
    if (m.TempiTotali[0] != 0 || m.TempiTotali[5] != 0)
        return QStringLiteral("an exercise time landed outside exercises 1 to 4");
    for (int k = 1; k <= 4; ++k)
        if (m.TempiTotali[static_cast<std::size_t>(k)] < 0)
            return QStringLiteral("exercise %1 has a negative time").arg(k);
    if (m.TempoRisposta < 0 || m.TempoRisposta >= SecondiDelGiorno)
        return QStringLiteral("answer time %1").arg(m.TempoRisposta);
    if (FrmOperativoMeno* w = b.app.operativoMenoAperta())
        return controllaPratica(m, w);
    return {};
}

// One run of the soak: a program on the test doubles and the random source that drives it.
class Giro {
public:
    explicit Giro(quint32 seme) : caso(seme) { avvia(); }
    ~Giro() { chiudiTutto(); }
    Giro(const Giro&) = delete;
    Giro& operator=(const Giro&) = delete;

    std::unique_ptr<Banco> b;
    QRandomGenerator caso;
    QString ultimo;   // the last event, for the failure message
    int corse = 1;    // program runs, counting those begun again after an end
    int fini = 0;     // practices worked to their end

    void passo()
    {
        avanzaOrologio();
        const int tiro = caso.bounded(100);
        if (tiro < 25)
            tasto();
        else if (tiro < 45)
            clicca();
        else if (tiro < 70)
            lavora();
        else if (tiro < 78)
            voceDiMenu();
        else if (tiro < 85)
            cliccaNellaFinestra();
        else if (tiro < 90)
            cambiaFinestra();
        else if (tiro < 94)
            cambiaModo();
        else if (tiro < 95 && caso.bounded(10) == 0)
            chiudi();
        else
            riapri();
        eliminaChiuse();
        // The program ends when its certificate says so or when its last window closes: begin a new run.
        if (b->finta.programma.terminazioni > 0 || finestre().isEmpty()) {
            chiudiTutto();
            avvia();
            ++corse;
        }
        // Keep the recorders small over a long run.
        if (b->finta.stampante.testi.size() > 2000) {
            b->finta.stampante.testi.clear();
            b->finta.stampante.immagini.clear();
        }
        b->finta.suono.riprodotti.clear();
        for (const auto& r : b->finta.messaggi.richieste)
            fini += int(r.titolo == QLatin1String("FINE ESERCITAZIONE"));
        b->finta.messaggi.richieste.clear();
    }

private:
    void avvia()
    {
        b = std::make_unique<Banco>();
        b->finta.orologio.secondi = caso.bounded(int(SecondiDelGiorno));
        b->finta.stampante.presente = caso.bounded(4) != 0;
        b->finta.avvio.riesce = caso.bounded(2) == 0;
        // Every message is answered at random, as a child would.
        b->finta.messaggi.mentreAperto = [this](const MessaggiFinti::Richiesta& r) {
            if ((r.stile & 7) == Messaggi::SiNo)
                b->finta.messaggi.risposte.enqueue(caso.bounded(2) ? Messaggi::Si : Messaggi::No);
            else
                b->finta.messaggi.risposte.enqueue(Messaggi::Ok);
        };
        b->app.frmSfondo();
    }

    void chiudiTutto()
    {
        b.reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        eliminaChiuse();
    }

    // The program's windows the pupil can reach now: only the modal one while one is up.
    static QList<QWidget*> finestre()
    {
        QList<QWidget*> elenco;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !qobject_cast<QMenu*>(w))
                elenco.append(w);
        return elenco;
    }

    template <class T> T scegli(const QList<T>& elenco)
    {
        return elenco.at(caso.bounded(int(elenco.size())));
    }

    // A button or menu entry, where those that leave a window or the program come up rarely, so that the
    // pupil often gets deep into a practice.
    template <class T> T scegliControllo(const QList<T>& elenco)
    {
        T scelto = scegli(elenco);
        const QString nome = QString(scelto->objectName() + scelto->text()).remove(QLatin1Char(' ')).toLower();
        const bool uscita = nome.contains(QLatin1String("fine")) || nome.contains(QLatin1String("esci"));
        return uscita && caso.bounded(100) != 0 ? scegli(elenco) : scelto;
    }

    void avanzaOrologio()
    {
        // Mostly a few seconds, now and then a long pause; the clock starts again at midnight.
        const int salto = caso.bounded(50) == 0 ? caso.bounded(3000) : caso.bounded(8);
        b->finta.orologio.secondi = std::fmod(b->finta.orologio.secondi + salto + 0.3, SecondiDelGiorno);
    }

    void tasto()
    {
        QWidget* bersaglio = QApplication::focusWidget();
        if (!bersaglio || !bersaglio->isVisible()) {
            const auto elenco = finestre();
            if (elenco.isEmpty())
                return;
            bersaglio = scegli(elenco);
        }
        if (caso.bounded(3) == 0) {
            const Qt::Key k = scegli(TastiDiComando);
            ultimo = QStringLiteral("key %1 on %2").arg(int(k)).arg(bersaglio->objectName());
            QTest::keyClick(bersaglio, k);
        } else {
            const QChar c = Caratteri.at(caso.bounded(int(Caratteri.size())));
            ultimo = QStringLiteral("character '%1' on %2").arg(c).arg(bersaglio->objectName());
            if (c.unicode() < 0x80) {
                QTest::keyClicks(bersaglio, QString(c));
            } else {
                // QTest maps only ASCII to keys: an accented letter goes as its key and text.
                for (auto azione : {QTest::Press, QTest::Release})
                    QTest::sendKeyEvent(azione, bersaglio, Qt::Key_Egrave, QString(c), Qt::NoModifier);
            }
        }
    }

    void clicca()
    {
        QList<QPushButton*> pulsanti;
        for (QWidget* f : finestre())
            for (QPushButton* p : f->findChildren<QPushButton*>())
                if (p->isVisible() && p->isEnabled())
                    pulsanti.append(p);
        if (pulsanti.isEmpty())
            return;
        QPushButton* p = scegliControllo(pulsanti);
        ultimo = QStringLiteral("click on %1 \"%2\" in %3").arg(p->objectName(), p->text(), p->window()->windowTitle());
        QApplication::setActiveWindow(p->window());
        QTest::mouseClick(p, Qt::LeftButton);
    }

    // A pupil who gets on with the practice: an answer (mostly right) and Enter, or the next big button.
    void lavora()
    {
        FrmOperativoMeno* w = b->app.operativoMenoAperta();
        if (!w || !w->isVisible())
            return;
        QApplication::setActiveWindow(w);
        for (QPushButton* p : {w->CmdOperazione, w->CmdEsercizio})
            if (!p->isHidden()) {
                ultimo = QStringLiteral("next with %1").arg(p->objectName());
                QTest::mouseClick(p, Qt::LeftButton);
                return;
            }
        const QString risposta = caso.bounded(4) ? b->m.RispostaAttesa : QString::number(caso.bounded(100));
        ultimo = QStringLiteral("answer \"%1\" and Enter").arg(risposta);
        w->TxtRisultato->setFocus();
        QTest::keyClicks(w->TxtRisultato, risposta);
        QTest::keyClick(w->TxtRisultato, Qt::Key_Return);
    }

    void voceDiMenu()
    {
        QList<QAction*> voci;
        for (QWidget* f : finestre())
            for (QAction* a : f->findChildren<QAction*>())
                if (a->isEnabled() && !a->isSeparator() && !a->menu() && !a->text().isEmpty())
                    voci.append(a);
        if (voci.isEmpty())
            return;
        QAction* a = scegliControllo(voci);
        ultimo = QStringLiteral("menu entry \"%1\"").arg(a->text());
        a->trigger();
    }

    // A click or double click anywhere in a window: on a label, a field, a picture or the window itself.
    void cliccaNellaFinestra()
    {
        const auto elenco = finestre();
        if (elenco.isEmpty())
            return;
        QWidget* f = scegli(elenco);
        const QPoint punto(caso.bounded(qMax(1, f->width())), caso.bounded(qMax(1, f->height())));
        QWidget* sotto = f->childAt(punto);
        if (!sotto)
            sotto = f;
        const QPoint locale = sotto->mapFrom(f, punto);
        const bool doppio = caso.bounded(5) == 0;
        ultimo = QStringLiteral("%1 at %2,%3 on %4 in %5")
                     .arg(doppio ? QStringLiteral("double click") : QStringLiteral("click"))
                     .arg(punto.x())
                     .arg(punto.y())
                     .arg(sotto->objectName(), f->windowTitle());
        QApplication::setActiveWindow(f);
        if (doppio)
            QTest::mouseDClick(sotto, Qt::LeftButton, {}, locale);
        else
            QTest::mouseClick(sotto, Qt::LeftButton, {}, locale);
    }

    void cambiaFinestra()
    {
        const auto elenco = finestre();
        if (elenco.isEmpty())
            return;
        QWidget* f = scegli(elenco);
        ultimo = QStringLiteral("switch to %1").arg(f->windowTitle());
        f->raise();
        f->activateWindow();
        QApplication::setActiveWindow(f);
    }

    // The mode list changed while a practice may be running.
    void cambiaModo()
    {
        FrmInizio* inizio = b->app.inizioAperta();
        if (!inizio)
            return;
        const int modo = caso.bounded(inizio->Combo1->count());
        ultimo = QStringLiteral("mode %1").arg(modo);
        inizio->Combo1->setCurrentIndex(modo);
    }

    void chiudi()
    {
        const auto elenco = finestre();
        if (elenco.isEmpty())
            return;
        QWidget* f = scegli(elenco);
        ultimo = QStringLiteral("close %1").arg(f->windowTitle());
        f->close();
    }

    // Brings back the setup window the way the pupil does: a click on the backdrop.
    void riapri()
    {
        FrmSfondo* sfondo = b->app.sfondoAperta();
        if (!sfondo)
            return;
        ultimo = QStringLiteral("click on the backdrop");
        QApplication::setActiveWindow(sfondo);
        QTest::mouseClick(sfondo, Qt::LeftButton, {}, QPoint(5, 5));
    }
};

}   // namespace

class ProvaLunga : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { gestorePrecedente = qInstallMessageHandler(filtraAvvisi); }

    void usoCasuale_data()
    {
        QTest::addColumn<quint32>("seme");
        // Five seeds; the sanitizer build, several times slower, runs the first two (same events per seed).
#ifdef __SANITIZE_ADDRESS__
        const int semi = 2;
#else
        const int semi = 5;
#endif
        const std::array<quint32, 5> elenco = {1u, 7u, 2024u, 31337u, 900001u};
        for (const quint32 seme : std::span(elenco).first(semi))
            QTest::newRow(qPrintable(QString::number(seme))) << seme;
    }

    void usoCasuale()
    {
        QFETCH(quint32, seme);
        Giro giro(seme);
        const int eventi = eventiPerSeme();
        for (int evento = 1; evento <= eventi; ++evento) {
            giro.passo();
            const QString guasto = controllaStato(*giro.b);
            QVERIFY2(guasto.isEmpty(), qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                                      .arg(seme)
                                                      .arg(evento)
                                                      .arg(giro.ultimo, guasto)));
        }
        qInfo("seed %u: %d events, %d program runs, %d practices worked to their end", seme, eventi,
              giro.corse, giro.fini);
    }
};

TARVOLINI_TEST_MAIN(ProvaLunga)
#include "test_prova_lunga.moc"
