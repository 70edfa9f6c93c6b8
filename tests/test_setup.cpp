// The setup window: name entry, keyboard order, the "?" and rating-scale menus.
#include "banco.h"
#include "certificate/frm_valutazione.h"
#include "setup/frm_inizio.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The program started as a pupil meets it: backdrop, then the setup window in front.
FrmInizio* avvia(Banco& b)
{
    b.app.frmSfondo();
    FrmInizio* inizio = b.app.inizioAperta();
    if (inizio && !QTest::qWaitForWindowActive(inizio))
        return nullptr;
    return inizio;
}

// Types the text key by key, as a keyboard with those letters would.
void digita(QWidget* campo, const QString& testo)
{
    for (const QChar c : testo) {
        const int codice = c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Click, campo, Qt::Key(codice), QString(c), Qt::NoModifier);
    }
}

// Points of the window's client area, in pixels, as seen by the pupil.
QWidget* controlloIn(FrmInizio* f, int xTwips, int yTwips)
{
    return f->area()->childAt(forma::px(xTwips), forma::px(yTwips));
}

} // namespace

class TestSetup : public QObject {
    Q_OBJECT
private slots:
    void caricamento()
    {
        Banco b;
        FrmInizio* f = avvia(b);
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("TARVOLINI.1"));
        QCOMPARE(f->Label5->text(), QStringLiteral("TARVOLINI.1"));
        QStringList voci;
        for (int i = 0; i < f->Combo1->count(); ++i)
            voci << f->Combo1->itemText(i);
        QCOMPARE(voci, QStringList({QStringLiteral("Calcolo del quoto"),
                                    QStringLiteral("Calcolo del dividendo  e divisore"),
                                    QStringLiteral("Calcolo del quoto, dividendo e divisore secondo casaulità")}));
        QCOMPARE(f->Combo1->currentIndex(), 0);
        QVERIFY(!f->Combo1->isEditable());
        QTRY_COMPARE(QApplication::focusWidget(), f->txtNome);
        QVERIFY(!f->windowIcon().isNull());
        QCOMPARE(f->cmdAvanti->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(f->Command9->cursor().shape(), Qt::BitmapCursor);
    }

    void pannelliSovrapposti()
    {
        Banco b;
        FrmInizio* f = avvia(b);
        // Where the name panel covers the range panel (here over Command1), the name panel is on top.
        QCOMPARE(controlloIn(f, 5300, 3500), static_cast<QWidget*>(f->Frame2));
        // The range panel shows above the name panel's top edge.
        QCOMPARE(controlloIn(f, 7000, 3060), static_cast<QWidget*>(f->Frame1));
        // The credit line lies over the right end of the line it completes.
        QCOMPARE(controlloIn(f, 7780, 7840), static_cast<QWidget*>(f->Label1));
        QVERIFY(!f->Label1->text().isEmpty());
    }

    void ordineDiTabulazione()
    {
        Banco b;
        FrmInizio* f = avvia(b);
        QTRY_COMPARE(QApplication::focusWidget(), f->txtNome);
        const QList<QWidget*> attesi{f->Combo1,   f->Command1, f->Command2,  f->Command3, f->Command4,
                                     f->Command9, f->cmdAvanti, f->cmdFine, f->txtNome};
        for (QWidget* atteso : attesi) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), atteso);
        }
    }

    void filtroDelNome_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("beep");
        QTest::newRow("lettere") << "Mario" << "Mario" << 0;
        QTest::newRow("cifre scartate") << "M4ri0 2" << "Mri " << 3;
        QTest::newRow("solo cifre") << "0123456789" << "" << 10;
        QTest::newRow("accenti e punteggiatura") << "Niccolò D'Amì-!" << "Niccolò D'Amì-!" << 0;
        QTest::newRow("massimo 15") << "Massimilianoooooo" << "Massimilianoooo" << 0;
        QTest::newRow("cifra a campo pieno") << "Massimilianoooo7" << "Massimilianoooo" << 1;
    }
    void filtroDelNome()
    {
        QFETCH(QString, digitato);
        Banco b;
        FrmInizio* f = avvia(b);
        digita(f->txtNome, digitato);
        QTEST(f->txtNome->text(), "campo");
        QTEST(b.finta.suono.beep_, "beep");
        QVERIFY(b.finta.messaggi.richieste.isEmpty());
    }

    void incollatoNonFiltrato()
    {
        Banco b;
        FrmInizio* f = avvia(b);
        QApplication::clipboard()->setText(QStringLiteral("R2D2"));
        QTest::keyClick(f->txtNome, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->txtNome->text(), QStringLiteral("R2D2"));
        QCOMPARE(b.finta.suono.beep_, 0);
    }

    void accettazioneDelNome_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("conInvio");
        QTest::newRow("AVANTI") << "Anna Rossi" << false;
        QTest::newRow("Invio") << "anna" << true;
        QTest::newRow("solo spazi") << "   " << true;
    }
    void accettazioneDelNome()
    {
        QFETCH(QString, nome);
        QFETCH(bool, conInvio);
        Banco b;
        FrmInizio* f = avvia(b);
        digita(f->txtNome, nome);
        if (conInvio)
            QTest::keyClick(f->txtNome, Qt::Key_Return);
        else
            f->cmdAvanti->click();
        QCOMPARE(b.m.Nome, nome);
        QVERIFY(b.finta.messaggi.richieste.isEmpty());
        QVERIFY(f->Frame2->isHidden());
        QVERIFY(f->Command1->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), f->Command1);
    }

    void nomeVuotoRifiutato_data()
    {
        QTest::addColumn<bool>("conInvio");
        QTest::newRow("AVANTI") << false;
        QTest::newRow("Invio") << true;
    }
    void nomeVuotoRifiutato()
    {
        QFETCH(bool, conInvio);
        Banco b;
        FrmInizio* f = avvia(b);
        b.m.Nome = QStringLiteral("prima");
        if (conInvio) {
            QTest::keyClick(f->txtNome, Qt::Key_Return);
        } else {
            f->cmdAvanti->setFocus();
            f->cmdAvanti->click();
        }
        QCOMPARE(b.finta.messaggi.richieste.size(), 1);
        const auto& r = b.finta.messaggi.richieste.first();
        QCOMPARE(r.testo, QStringLiteral("Introduci il nome"));
        QCOMPARE(r.titolo, QStringLiteral("distrazione"));
        QCOMPARE(r.stile, int(Messaggi::SoloOk));
        QCOMPARE(b.m.Messaggio, r.testo);
        QCOMPARE(b.m.TitoloMessaggio, r.titolo);
        QCOMPARE(b.m.Scelta, int(Messaggi::Ok));
        QCOMPARE(b.m.Nome, QStringLiteral("prima"));
        QVERIFY(f->Frame2->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), f->txtNome);
    }

    void infoConProgrammaFinto_data()
    {
        QTest::addColumn<bool>("riesce");
        QTest::newRow("avviato") << true;
        QTest::newRow("mancante") << false;
    }
    void infoConProgrammaFinto()
    {
        QFETCH(bool, riesce);
        Banco b;
        FrmInizio* f = avvia(b);
        b.finta.avvio.riesce = riesce;
        f->mnuInfo->trigger();
        QCOMPARE(b.finta.avvio.avviati, QStringList{QStringLiteral("www.exe")});
        if (riesce) {
            QVERIFY(b.finta.messaggi.richieste.isEmpty());
        } else {
            QCOMPARE(b.finta.messaggi.richieste.size(), 1);
            QCOMPARE(b.finta.messaggi.richieste.first().testo, QStringLiteral("File mancante"));
            QCOMPARE(b.finta.messaggi.richieste.first().stile, int(Messaggi::SoloOk));
            QVERIFY(b.finta.messaggi.richieste.first().titolo.isEmpty());
        }
        QVERIFY(f->isVisible());
        QVERIFY(f->Frame2->isVisible());
    }

    // "?" with the real launcher: a program named www.exe on the search path, and none.
    void infoConProgrammaVero()
    {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QByteArray percorsoPrima = qgetenv("PATH");
        const QString traccia = cartella.filePath(QStringLiteral("avviato"));
        QFile script(cartella.filePath(QStringLiteral("www.exe")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(traccia).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);

        PiattaformaFinta finta;
        AvvioQt avvioVero;
        Piattaforma servizi = finta.servizi();
        Applicazione app(Piattaforma{servizi.orologio, servizi.casuale, servizi.messaggi, servizi.suono, avvioVero,
                                     servizi.programma, servizi.stampante});
        app.frmSfondo();
        FrmInizio* f = app.inizioAperta();

        qputenv("PATH", QFile::encodeName(cartella.path()) + ':' + percorsoPrima);
        f->mnuInfo->trigger();
        QTRY_VERIFY(QFile::exists(traccia));
        QVERIFY(finta.messaggi.richieste.isEmpty());

        script.remove();
        f->mnuInfo->trigger();
        qputenv("PATH", percorsoPrima);
        QCOMPARE(finta.messaggi.richieste.size(), 1);
        QCOMPARE(finta.messaggi.richieste.first().testo, QStringLiteral("File mancante"));
    }

    void scalaDiValutazioneUnaSola()
    {
        Banco b;
        FrmInizio* f = avvia(b);
        f->mnuValutazione->trigger();
        FrmValutazione* scala = b.app.valutazioneAperta();
        QVERIFY(scala);
        QVERIFY(QTest::qWaitForWindowActive(scala));
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->mnuValutazione->trigger();
        QCOMPARE(b.app.valutazioneAperta(), scala);
        QVERIFY(QTest::qWaitForWindowActive(scala));
        int scale = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            scale += qobject_cast<FrmValutazione*>(w) && w->isVisible();
        QCOMPARE(scale, 1);
    }
};

TARVOLINI_TEST_MAIN(TestSetup)
#include "test_setup.moc"
