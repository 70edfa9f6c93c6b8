// The drill window as built: its frame, names, texts, colours and fonts, its stacking, the places that the
// program computes (faces, keypad, the moved problem line), the pointers and the menu.
#include "test_drill_banco.h"

#include <QMenuBar>
#include <QScreen>

namespace {

const QColor Nessuno;   // not given: the style's own

QRect inPixel(int sinistra, int alto, int larghezza, int altezza)
{
    return forma::rettangolo(sinistra, alto, larghezza, altezza);
}

} // namespace

class TestDrillFinestra : public QObject {
    Q_OBJECT

    std::unique_ptr<Banco> b;
    FrmOperativoMeno* w = nullptr;

private slots:
    void init()
    {
        b = std::make_unique<Banco>();
        w = apriOperativo(*b);
    }
    void cleanup()
    {
        b.reset();
        eliminaChiuse();
    }

    void cornice()
    {
        QCOMPARE(w->area()->size(), QSize(794, 556));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const Qt::WindowFlags bandiere = w->windowFlags();
        QVERIFY(bandiere & Qt::WindowCloseButtonHint);
        QVERIFY(!(bandiere & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(bandiere & Qt::WindowMaximizeButtonHint));
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(w->palette().color(QPalette::Window), QColor(192, 255, 192));
        QVERIFY(mostraAttiva(w));
        const QPoint scarto = w->frameGeometry().center() - w->screen()->availableGeometry().center();
        QVERIFY2(qAbs(scarto.x()) <= 2 && qAbs(scarto.y()) <= 2, qPrintable(QStringLiteral("%1,%2").arg(scarto.x()).arg(scarto.y())));
    }

    void aspettoDeiControlli_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QColor>("sfondo");
        QTest::addColumn<QColor>("colore");
        QTest::addColumn<double>("punti");
        const QColor rosso(255, 0, 0);
        QTest::newRow("LblSegno") << "LblSegno" << ":" << Nessuno << rosso << 72.0;
        QTest::newRow("LblUguale") << "LblUguale" << "=" << Nessuno << rosso << 72.0;
        QTest::newRow("LblEsito") << "LblEsito" << "" << Nessuno << rosso << 48.0;
        QTest::newRow("LblIstruzione") << "LblIstruzione" << " Digita il risultato" << QColor(192, 255, 255)
                                       << QColor(0, 0, 192) << 11.25;
        QTest::newRow("CmdStampa") << "CmdStampa" << "Visualizza  esercizio" << Nessuno << Nessuno << 9.75;
        QTest::newRow("CmdFine") << "CmdFine" << "Esci" << Nessuno << Nessuno << 9.75;
        QTest::newRow("CmdEsercizio") << "CmdEsercizio" << "Nuovo esercizio" << Nessuno << Nessuno << 12.0;
        QTest::newRow("CmdOperazione") << "CmdOperazione" << "N u o v a   s o t t r a z i o n e" << Nessuno << Nessuno
                                       << 12.0;
        QTest::newRow("CmdVerifica") << "CmdVerifica" << "V e r i f i c a " << Nessuno << Nessuno << 12.0;
        QTest::newRow("cmdSfondo") << "cmdSfondo" << "" << Nessuno << Nessuno << 8.25;
        QTest::newRow("Label4") << "Label4" << "Risp. esatte" << Nessuno << QColor(0, 0, 128) << 12.0;
        QTest::newRow("Label8") << "Label8" << "Esercizio n." << Nessuno << Nessuno << 12.0;
        QTest::newRow("Label6") << "Label6" << "Risp. errate" << Nessuno << QColor(0, 0, 128) << 12.0;
        QTest::newRow("LblContatore")
            << "LblContatore" << "  1      2       3      4      5      6      7      8      9     10" << Nessuno
            << Nessuno << 9.75;
        QTest::newRow("Label5") << "Label5" << " Eser.    Oper.   Tempo      Tempo " << Nessuno << Nessuno << 8.25;
        QTest::newRow("Label3") << "Label3" << QString(24, QLatin1Char(' ')) + "parziale    totale" << Nessuno
                                << Nessuno << 8.25;
        QTest::newRow("LblEsercizio") << "LblEsercizio" << "1" << Nessuno << QColor(0, 192, 0) << 14.25;
        QTest::newRow("LblTempoTotale") << "LblTempoTotale" << "" << Nessuno << rosso << 14.25;
        QTest::newRow("fraTastierino") << "fraTastierino" << "TASTIERINO" << QColor(255, 255, 192) << Nessuno << 9.75;
        QTest::newRow("frmValutazione") << "frmValutazione" << "VALUTAZIONE" << Nessuno << Nessuno << 8.25;
        QTest::newRow("frmElaborazione") << "frmElaborazione" << "ELABORAZIONE" << Nessuno << Nessuno << 8.25;
        QTest::newRow("frmNumero") << "frmNumero" << "" << QColor(255, 255, 192) << Nessuno << -1.0;
        QTest::newRow("Command12") << "Command12" << "000" << QColor(255, 255, 128) << Nessuno << 14.25;
        QTest::newRow("cmdCancella") << "cmdCancella" << "Cancella" << QColor(255, 255, 128) << Nessuno << 14.25;
    }
    void aspettoDeiControlli()
    {
        QFETCH(QString, nome);
        QFETCH(QColor, sfondo);
        QFETCH(QColor, colore);
        QFETCH(double, punti);
        QWidget* c = w->findChild<QWidget*>(nome);
        QVERIFY(c);
        QString testo;
        if (auto* l = qobject_cast<QLabel*>(c))
            testo = l->text();
        else if (auto* p = qobject_cast<QPushButton*>(c))
            testo = p->text();
        else if (auto* g = qobject_cast<QGroupBox*>(c))
            testo = g->title();
        QTEST(testo, "testo");
        if (sfondo.isValid()) {
            QVERIFY(c->autoFillBackground() || qobject_cast<QPushButton*>(c));
            QCOMPARE(c->palette().color(qobject_cast<QPushButton*>(c) ? QPalette::Button : QPalette::Window), sfondo);
        }
        if (colore.isValid())
            QCOMPARE(c->palette().color(QPalette::WindowText), colore);
        if (punti > 0)
            QCOMPARE(c->font().pointSizeF(), punti);
    }

    void suggerimenti()
    {
        QCOMPARE(w->LblTempoParziale->toolTip(), QStringLiteral("Secondi impiegati per ogni risposta"));
        QCOMPARE(w->LblTempoTotale->toolTip(), QStringLiteral("Secondi impiegati per ogni esercizio"));
    }

    void campoDellaRisposta()
    {
        QCOMPARE(w->TxtRisultato->parentWidget(), w->frmNumero);
        QCOMPARE(w->TxtRisultato->maxLength(), 3);
        QCOMPARE(w->TxtRisultato->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(w->TxtRisultato->font().family(), QStringLiteral("Arial"));
        QCOMPARE(w->TxtRisultato->font().pointSizeF(), 72.0);
        QVERIFY(w->TxtRisultato->font().bold());
    }

    // Where visualizza puts the problem line, and the grids that the window builds in loops.
    void postiCalcolati()
    {
        QCOMPARE(w->LblNumero1->geometry(), inPixel(100, 150, 3015, 1845));
        QCOMPARE(w->TxtRisultato->geometry(), inPixel(4000, 150, 3015, 1875));
        QCOMPARE(w->LblNumero2->geometry(), inPixel(8000, 150, 3015, 1845));
        const int sinistre[] = {1875, 2370, 2865, 3360, 3840, 4335, 4815, 5295, 5790, 6270};
        for (int k = 1; k <= 20; ++k) {
            QLabel* faccia = w->Image[static_cast<std::size_t>(k)];
            QCOMPARE(faccia->objectName(), QStringLiteral("Image%1").arg(k));
            QCOMPARE(faccia->parentWidget(), static_cast<QWidget*>(w->frmValutazione));
            QCOMPARE(faccia->geometry(), inPixel(sinistre[(k - 1) % 10], k <= 10 ? 255 : 990, 480, 480));
            QVERIFY(!faccia->pixmap().isNull());
        }
        // The keypad: 1 to 9 in rows of three, the zeros below, Cancella across the bottom.
        const QStringList righe[] = {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}, {"0", "00", "000"}};
        const int alti[] = {240, 690, 1140, 1605};
        for (int riga = 0; riga < 4; ++riga)
            for (int colonna = 0; colonna < 3; ++colonna) {
                QPushButton* t = tasto(w, righe[riga][colonna]);
                QVERIFY(t);
                QCOMPARE(t->parentWidget(), static_cast<QWidget*>(w->fraTastierino));
                QCOMPARE(t->geometry(), inPixel(240 + 780 * colonna, alti[riga], 765, 405));
            }
        QCOMPARE(w->cmdCancella->geometry(), inPixel(240, 2055, 2325, 435));
        for (QFrame* riga : {w->Line1, w->Line2, w->Line4})
            QCOMPARE(riga->height(), forma::px(840));
        QCOMPARE(w->Line4->x(), forma::px(2400));
    }

    // Within each container the control listed first lies on top.
    void sovrapposizioni_data()
    {
        QTest::addColumn<QPoint>("twips");   // inside the window's client area
        QTest::addColumn<QString>("sopra");
        QTest::newRow("Label2 over Label1") << QPoint(6000, 547) << "Label2";
        QTest::newRow("problem frame over keypad") << QPoint(9000, 3200) << "frmNumero";
        QTest::newRow("VALUTAZIONE over the prompt") << QPoint(3000, 7972) << "frmValutazione";
        QTest::newRow("the bar behind the big buttons") << QPoint(4000, 5900) << "cmdSfondo";
    }
    void sovrapposizioni()
    {
        QFETCH(QPoint, twips);
        QVERIFY(mostraAttiva(w));
        // At first load the three big buttons are hidden: the bar behind them shows.
        const QWidget* trovato = w->area()->childAt(forma::px(twips.x()), forma::px(twips.y()));
        QVERIFY(trovato);
        QTEST(trovato->objectName(), "sopra");
    }

    void pulsantiSopraLaBarra()
    {
        QVERIFY(mostraAttiva(w));
        const QPoint punto(forma::px(4000), forma::px(5900));
        for (QPushButton* grande : {w->CmdEsercizio, w->CmdOperazione, w->CmdVerifica}) {
            grande->show();
            QCOMPARE(w->area()->childAt(punto), grande);
            grande->hide();
        }
        QVERIFY(!w->cmdSfondo->isEnabled());
        QCOMPARE(w->cmdSfondo->focusPolicy(), Qt::NoFocus);
    }

    // The longest text that each label can hold fits on its one line.
    void nessunTestoTagliato_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("testo");
        QTest::newRow("exercise total") << "LblTempoTotale" << " 999";
        QTest::newRow("answer time") << "LblTempoParziale" << " 99";
        QTest::newRow("problem number") << "LblOperazione" << "10";
        QTest::newRow("dividend") << "LblNumero1" << "98";
        QTest::newRow("verdict") << "LblEsito" << "E R R A T O";
        QTest::newRow("range header") << "Label2" << " Operazione con numero massimo da 30 a 60";
        QTest::newRow("longest instruction") << "Label1"
                                             << " Calcola il quoto, il dividendo e divisore secondo casaulità";
        QTest::newRow("longest prompt") << "LblIstruzione" << "Clicca sul pulsante Nuova sottrazione";
        for (const char* nome : {"Label4", "Label8", "Label6", "LblContatore", "Label5", "Label3"})
            QTest::newRow(nome) << nome << QString();
    }
    void nessunTestoTagliato()
    {
        QFETCH(QString, nome);
        QFETCH(QString, testo);
        auto* l = w->findChild<QLabel*>(nome);
        QVERIFY(l);
        if (!testo.isEmpty())
            l->setText(testo);
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(l->fontMetrics().horizontalAdvance(l->text())).arg(l->width())));
    }

    void puntatori()
    {
        QList<QWidget*> conMano{w->CmdEsercizio, w->CmdOperazione, w->CmdVerifica, w->CmdStampa, w->CmdFine,
                                w->cmdCancella};
        for (QPushButton* t : w->Command)
            if (t)
                conMano.append(t);
        QCOMPARE(conMano.size(), 18);
        for (QWidget* c : conMano) {
            QVERIFY2(c->testAttribute(Qt::WA_SetCursor), qPrintable(c->objectName()));
            QCOMPARE(c->cursor().shape(), Qt::BitmapCursor);
        }
        QCOMPARE(w->Image[1]->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!w->Image[2]->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(w->TxtRisultato->cursor().shape(), Qt::IBeamCursor);
    }

    void menu()
    {
        QCOMPARE(w->menuBar()->actions().size(), 1);
        QCOMPARE(w->MnuFile->title(), QStringLiteral("File"));
        const QList<QAction*> voci = w->MnuFile->actions();
        QCOMPARE(voci.size(), 4);
        QCOMPARE(voci[0]->text(), QStringLiteral("Visualizza operazioni"));
        QCOMPARE(voci[1]->text(), QStringLiteral("Visualizza attestato"));
        QVERIFY(voci[2]->isSeparator());
        QCOMPARE(voci[3]->text(), QStringLiteral("Esci"));
        QVERIFY(voci[3]->isEnabled());
        // The window's colour stays out of the menu bar.
        QCOMPARE(w->menuBar()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    }
};

TARVOLINI_TEST_MAIN(TestDrillFinestra)
#include "test_drill_finestra.moc"
