// The certificate window: its grade, its texts, its look, its printing and its two ways out.
#include "attestato_stampato.h"
#include "banco.h"
#include "certificate/frm_attestato.h"
#include "certificate/pergamena.h"
#include "platform/avvisi_stampa.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

const QColor Lilla(255, 192, 255);
const QColor Azzurro(192, 255, 255);
const QColor Rosa(255, 192, 192);
const QString Stampa = QStringLiteral("STAMPA  L'ATTESTATO ");
const QString NonStampabile = QStringLiteral("ATTESTATO NON STAMPABILE");

void pratica(Modulo1& m, int esatte, int operazioni)
{
    praticaPromossa(m);
    m.RisposteEsatte = static_cast<int16_t>(esatte);
    m.ContatoreOperazioni = operazioni;
}

// Where a control lies inside the window's client area.
QRect nellArea(const FrmAttestato* f, const QWidget* controllo)
{
    return QRect(controllo->mapTo(f->area(), QPoint(0, 0)), controllo->size());
}

// The window shown and made the active one, as a pupil switching to it does.
void attiva(QWidget* finestra)
{
    finestra->show();
    finestra->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(finestra));
}

} // namespace

class TestAttestato : public QObject {
    Q_OBJECT
private slots:
    void votoEGiudizio_data()
    {
        QTest::addColumn<int>("esatte");
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("voto");
        QTest::addColumn<QString>("giudizio");
        QTest::newRow("19 di 40") << 19 << 40 << 4 << "Non classificato";
        QTest::newRow("20 di 40") << 20 << 40 << 5 << "SUFFICIENTE (!)";
        QTest::newRow("23 di 40") << 23 << 40 << 5 << "SUFFICIENTE (!)";
        QTest::newRow("24 di 40") << 24 << 40 << 6 << "SUFFICIENTE";
        QTest::newRow("31 di 40") << 31 << 40 << 7 << "BUONO";
        QTest::newRow("35 di 40") << 35 << 40 << 8 << "DISTINTO";
        QTest::newRow("36 di 40") << 36 << 40 << 9 << "OTTIMO";
        QTest::newRow("40 di 40") << 40 << 40 << 10 << "OTTIMO";
        QTest::newRow("10 di 11, l'undicesima a video") << 10 << 11 << 9 << "OTTIMO";
        QTest::newRow("0 di 1") << 0 << 1 << 0 << "Non classificato";
        QTest::newRow("oltre il 10") << 45 << 40 << 11 << "Non classificato";
    }

    void votoEGiudizio()
    {
        QFETCH(int, esatte);
        QFETCH(int, operazioni);
        QFETCH(int, voto);
        QFETCH(QString, giudizio);
        Banco b;
        pratica(b.m, esatte, operazioni);
        FrmAttestato* f = b.app.frmAttestato();
        f->show();

        QCOMPARE(b.m.Voto, voto);
        QCOMPARE(b.m.Giudizio, giudizio);
        QCOMPARE(f->lblRapporto->text(), giudizio);
        QCOMPARE(f->lblPerche->text(),
                 QStringLiteral("Per aver dato %1 risposte esatte su %2").arg(esatte).arg(operazioni));
        const bool stampabile = giudizio != QStringLiteral("Non classificato");
        QCOMPARE(f->Command2->isEnabled(), stampabile);
        QCOMPARE(f->Command2->text(), stampabile ? Stampa : NonStampabile);
    }

    void nomeNormalizzato_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("iniziale piccola, poi maiuscole") << "gIOVANNI" << "Giovanni";
        QTest::newRow("due parole") << "ANNA MARIA" << "Anna maria";
        QTest::newRow("una lettera") << "e" << "E";
        QTest::newRow("lettere accentate") << "éLISA" << "Élisa";
        QTest::newRow("vuoto") << "" << "";
        QTest::newRow("come markup") << "<b>x</b>" << "<b>x</b>";
    }

    void nomeNormalizzato()
    {
        QFETCH(QString, digitato);
        QFETCH(QString, atteso);
        Banco b;
        pratica(b.m, 35, 40);
        b.m.Nome = digitato;
        FrmAttestato* f = b.app.frmAttestato();
        f->Form_Activate();

        QCOMPARE(b.m.Nome, atteso);
        QCOMPARE(b.m.LunghezzaNome, digitato.size());
        QCOMPARE(f->lblNome->text(), atteso);
        // Shown as typed, never as formatted text.
        QCOMPARE(f->lblNome->textFormat(), Qt::PlainText);
        // Stored back: a later activation finds it already normalised.
        f->Form_Activate();
        QCOMPARE(b.m.Nome, atteso);
        QCOMPARE(b.m.LunghezzaNome, atteso.size());
    }

    void testiDellAttivazione()
    {
        Banco b;
        pratica(b.m, 35, 40);
        b.m.NumeroMinimo = 60;
        b.m.NumeroMassimo = 99;
        b.m.TestoIstruzione = QStringLiteral(" Calcola il quoto, il dividendo e divisore secondo casaulità");
        b.finta.orologio.data = QStringLiteral("03/04/27");
        FrmAttestato* f = b.app.frmAttestato();
        f->show();

        QCOMPARE(f->lblData->text(), QStringLiteral("Data        03/04/27"));
        QCOMPARE(f->lblMotivo->text(), QStringLiteral("per aver  conseguito l'obiettivo"));
        QCOMPARE(f->lblObiettivo1->text(), QStringLiteral("Saper eseguire le merzoline.1"));
        QCOMPARE(f->lblObiettivo2->text(), QStringLiteral(" Numeri da  60 a 99"));
        QCOMPARE(f->lblObiettivo3->text(), b.m.TestoIstruzione);
        // The instruction comes from the shared variables: the drill window is not created for it.
        QVERIFY(!b.app.operativoMenoAperta());
        // The longest instruction needs two lines, and the label holds both.
        const QFontMetrics misure(f->lblObiettivo3->font());
        QVERIFY(misure.horizontalAdvance(b.m.TestoIstruzione) > f->lblObiettivo3->width());
        QVERIFY(f->lblObiettivo3->heightForWidth(f->lblObiettivo3->width()) <= f->lblObiettivo3->height());

        // The date follows the system's settings at every activation.
        b.finta.orologio.data = QStringLiteral("2027-04-04");
        f->Form_Activate();
        QCOMPARE(f->lblData->text(), QStringLiteral("Data        2027-04-04"));
    }

    void aspettoDellaFinestra()
    {
        Banco b;
        pratica(b.m, 35, 40);
        FrmAttestato* f = b.app.frmAttestato();
        QCOMPARE(f->Frame2->x(), forma::px(1830));   // as designed, until the first activation
        f->show();

        QVERIFY(f->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(f->windowType(), Qt::Tool);   // kept out of the task bar
        QCOMPARE(f->size(), QSize(800, 600));
        QCOMPARE(f->geometry().center(), f->screen()->availableGeometry().center());
        // Frame2 centred across the window: (12000 - 6090) / 2 = 2955 twips.
        QCOMPARE(f->Frame2->x(), forma::px(2955));
        QCOMPARE(f->Frame2->y(), forma::px(465));

        QCOMPARE(f->Command2->text(), Stampa);
        QCOMPARE(f->Command1->text(), QStringLiteral("FINE SESSIONE"));
        QCOMPARE(f->CmdFine->text(), QStringLiteral("ESCI"));
        QVERIFY(f->Command2->isDefault());
        QCOMPARE(f->focusWidget(), f->Command2);

        const QImage vista = f->area()->grab().toImage();
        QCOMPARE(vista.pixelColor(5, 5), Rosa);
        QVERIFY(pixelDelColore(vista, nellArea(f, f->Command1), Lilla, 0) > 0);
        // The labels lie over the picture, not under it.
        for (QLabel* etichetta : {f->lblNome, f->lblRapporto, f->lblData})
            QCOMPARE(f->Frame1->childAt(etichetta->geometry().center()), etichetta);
        // The picture's rosette is red and yellow, and at the lower right.
        const QImage figura = f->Image1->grab().toImage();
        const QRect basso(figura.width() / 2, figura.height() * 3 / 4, figura.width() / 2, figura.height() / 4);
        const QRect alto(0, 0, figura.width(), figura.height() / 2);
        for (const QColor& colore : {QColor(205, 28, 38), QColor(255, 204, 32)}) {
            QVERIFY(pixelDelColore(figura, basso, colore) > 100);
            QCOMPARE(pixelDelColore(figura, alto, colore), 0);
        }
    }

    void riattivazioneERipristino()
    {
        Banco b;
        QWidget altra;   // the drill window the pupil goes back to
        altra.resize(100, 100);
        pratica(b.m, 10, 11);
        FrmAttestato* f = b.app.frmAttestato();
        attiva(f);
        QCOMPARE(f->lblRapporto->text(), QStringLiteral("OTTIMO"));
        QVERIFY(f->Command2->isEnabled());

        // More answers, mostly wrong: unprintable.
        attiva(&altra);
        pratica(b.m, 12, 30);
        attiva(f);
        QCOMPARE(f->lblPerche->text(), QStringLiteral("Per aver dato 12 risposte esatte su 30"));
        QCOMPARE(f->lblRapporto->text(), QStringLiteral("Non classificato"));
        QVERIFY(!f->Command2->isEnabled());
        // Enter must not fall on FINE SESSIONE now.
        QCOMPARE(f->focusWidget(), f->CmdFine);

        // A good finish later: the grade follows, the button stays disabled.
        attiva(&altra);
        pratica(b.m, 36, 40);
        attiva(f);
        QCOMPARE(f->lblRapporto->text(), QStringLiteral("OTTIMO"));
        QVERIFY(!f->Command2->isEnabled());
        QCOMPARE(f->Command2->text(), NonStampabile);

        // Opening it again while it is open shows the same window.
        QCOMPARE(b.app.frmAttestato(), f);
        QVERIFY(!f->Command2->isEnabled());

        // Only closing it and opening it anew brings the button back.
        f->CmdFine->click();
        eliminaChiuse();
        QVERIFY(!b.app.attestatoAperta());
        FrmAttestato* nuova = b.app.frmAttestato();
        attiva(nuova);
        QVERIFY(nuova->Command2->isEnabled());
        QCOMPARE(nuova->Command2->text(), Stampa);
    }

    void stampaSenzaPulsanti()
    {
        Banco b;
        pratica(b.m, 35, 40);
        FrmAttestato* f = b.app.frmAttestato();
        f->show();
        const QImage frame1 = f->Frame1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        f->Command2->click();

        QCOMPARE(b.finta.stampante.documenti, 1);
        QCOMPARE(b.finta.stampante.immagini.size(), 1);
        const auto& stampata = b.finta.stampante.immagini[0];
        QCOMPARE(stampata.twips, QRect(0, 0, 12000, 9000));   // the whole client area, at real size
        QCOMPARE(pixelDelColore(stampata.immagine, stampata.immagine.rect(), Lilla, 0), 0);
        // The certificate itself, picture and texts, exactly as on screen.
        QCOMPARE(stampata.immagine.copy(nellArea(f, f->Frame1)).convertToFormat(QImage::Format_RGB32), frame1);
        QVERIFY(b.finta.messaggi.richieste.isEmpty());
        for (QPushButton* pulsante : {f->Command2, f->Command1, f->CmdFine})
            QVERIFY(pulsante->isVisible());
        QCOMPARE(f->focusWidget(), f->Command2);
    }

    void stampaNonRiuscita_data()
    {
        QTest::addColumn<bool>("presente");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<bool>("pulsantiDuranteIlMessaggio");
        QTest::newRow("nessuna stampante") << false << TestoNessunaStampante << true;
        QTest::newRow("pagina rifiutata") << true << TestoStampaRifiutata << false;
    }

    void stampaNonRiuscita()
    {
        QFETCH(bool, presente);
        QFETCH(QString, messaggio);
        QFETCH(bool, pulsantiDuranteIlMessaggio);
        Banco b;
        pratica(b.m, 35, 40);
        b.finta.stampante.presente = presente;
        b.finta.stampante.rifiuta = true;
        FrmAttestato* f = b.app.frmAttestato();
        f->show();
        bool visibiliDurante = false;
        b.finta.messaggi.mentreAperto = [&](const MessaggiFinti::Richiesta&) { visibiliDurante = f->CmdFine->isVisible(); };
        f->Command2->click();

        QCOMPARE(b.finta.messaggi.richieste.size(), 1);
        QCOMPARE(b.finta.messaggi.richieste[0].testo, messaggio);
        QCOMPARE(b.finta.stampante.documenti, 0);
        // No printer is found out before the buttons go; either way they come back.
        QCOMPARE(visibiliDurante, pulsantiDuranteIlMessaggio);
        for (QPushButton* pulsante : {f->Command2, f->Command1, f->CmdFine})
            QVERIFY(pulsante->isVisible());
        QCOMPARE(b.finta.programma.terminazioni, 0);
        QVERIFY(!f->chiusa());
    }

    void invioStampa()
    {
        Banco b;
        pratica(b.m, 35, 40);
        FrmAttestato* f = b.app.frmAttestato();
        f->show();
        // On the focused default button, on a label, on the window itself.
        for (QWidget* dove : {static_cast<QWidget*>(f->Command2), static_cast<QWidget*>(f->lblNome),
                              static_cast<QWidget*>(f)})
            QTest::keyClick(dove, Qt::Key_Return);
        QTest::keyClick(f->lblData, Qt::Key_Enter);
        QCOMPARE(b.finta.stampante.documenti, 4);

        // Unprintable: Enter does nothing at all.
        pratica(b.m, 1, 40);
        f->Form_Activate();
        QTest::keyClick(f, Qt::Key_Return);
        QTest::keyClick(f->lblNome, Qt::Key_Return);
        QCOMPARE(b.finta.stampante.documenti, 4);
        QCOMPARE(b.finta.programma.terminazioni, 0);
        QVERIFY(!f->chiusa());
    }

    void fineSessioneEEsci()
    {
        Banco b;
        pratica(b.m, 35, 40);
        FrmAttestato* f = b.app.frmAttestato();
        f->show();
        f->Command1->click();
        QCOMPARE(b.finta.programma.terminazioni, 1);
        // The program's end is left to the platform: the window is not closed on the way.
        QVERIFY(!f->chiusa());

        f->CmdFine->click();
        QVERIFY(f->chiusa());
        eliminaChiuse();
        QVERIFY(!b.app.attestatoAperta());
        QCOMPARE(b.finta.programma.terminazioni, 1);
    }

    void paginaPdf()
    {
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("attestato.pdf"));
        PiattaformaFinta finta;
        StampanteQt stampante(file);
        Applicazione app(finta.servizi(stampante));
        praticaPromossa(app.modulo1);
        FrmAttestato* f = app.frmAttestato();
        f->show();
        f->Command2->click();
        QVERIFY(finta.messaggi.richieste.isEmpty());

        // One picture at real size and no less than 300 dpi: 800 pixels of the window on 600 points.
        const ImmaginePdf immagine = immagineDelPdf(file);
        QCOMPARE(immagine.immagini, 1);
        QCOMPARE(immagine.larghezza, 2500);
        QVERIFY2(immagine.ppi >= 299, qPrintable(QString::number(immagine.ppi)));

        // The file's page has no margins: at 96 dpi the page lies on the window pixel for pixel.
        const QImage pagina = paginaInPixel(file);
        QCOMPARE(pagina.width(), 794);   // A4: the last 6 pixels of plain background are cut
        QCOMPARE(pixelDelColore(pagina, pagina.rect(), Lilla, 6), 0);
        const QRect frame1 = nellArea(f, f->Frame1);
        QVERIFY(pixelDelColore(pagina, frame1.adjusted(2, 2, -2, -2), Azzurro, 4) > 1000);
        QVERIFY(pixelDelColore(pagina, QRect(0, 0, frame1.left() - 2, 600), Rosa, 4) > 10000);
        // The picture's rosette, and the coloured texts in their own places.
        QVERIFY(pixelDelColore(pagina, nellArea(f, f->Image1), QColor(205, 28, 38), 10) > 50);
        QVERIFY(pixelDelColore(pagina, nellArea(f, f->Image1), QColor(255, 204, 32), 10) > 50);
        QVERIFY(pixelDelColore(pagina, nellArea(f, f->lblNome), QColor(0, 0, 255), 40) > 20);
        QVERIFY(pixelDelColore(pagina, nellArea(f, f->lblObiettivo1), QColor(255, 0, 0), 40) > 10);
        QVERIFY(pixelDelColore(pagina, nellArea(f, f->lblPerche), Qt::black, 60) > 10);
        // Nothing below the certificate's frame where the buttons were.
        QCOMPARE(pixelDelColore(pagina, nellArea(f, f->Command1), Rosa, 4), nellArea(f, f->Command1).width() * nellArea(f, f->Command1).height());
    }
};

TARVOLINI_TEST_MAIN(TestAttestato)
#include "test_attestato.moc"
