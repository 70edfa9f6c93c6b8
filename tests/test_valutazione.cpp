// The rating-scale window: what a click closes, and that it stays where it was put.
#include "banco.h"
#include "certificate/frm_valutazione.h"

class TestValutazione : public QObject {
    Q_OBJECT
private slots:
    void clickSulFondoChiude_data()
    {
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<bool>("chiude");
        QTest::newRow("margine in alto") << QPoint(100, 40) << true;
        QTest::newRow("tra i pannelli") << QPoint(3615, 1000) << true;
        QTest::newRow("sotto i pannelli") << QPoint(1000, 3540) << true;
        QTest::newRow("sotto la nota") << QPoint(3000, 4500) << true;
        QTest::newRow("pannello sinistro") << QPoint(300, 3330) << false;
        QTest::newRow("pannello destro") << QPoint(6900, 3000) << false;
        QTest::newRow("riga della scala") << QPoint(500, 650) << false;
        QTest::newRow("nota a destra") << QPoint(3645 + 300, 1100) << false;
        QTest::newRow("nota in basso") << QPoint(1000, 3900) << false;
    }
    void clickSulFondoChiude()
    {
        QFETCH(QPoint, twips);
        QFETCH(bool, chiude);
        Banco b;
        FrmValutazione* scala = b.app.frmValutazione();
        scala->show();
        QVERIFY(QTest::qWaitForWindowExposed(scala));
        QTest::mouseClick(scala->windowHandle(), Qt::LeftButton, {}, QPoint(forma::px(twips.x()), forma::px(twips.y())));
        QCOMPARE(b.app.valutazioneAperta() == nullptr, chiude);
        QCOMPARE(scala->isVisible(), !chiude);
    }

    void nonSiSposta()
    {
        Banco b;
        FrmValutazione* scala = b.app.frmValutazione();
        scala->show();
        QVERIFY(QTest::qWaitForWindowExposed(scala));
        const QPoint posto = scala->pos();
        scala->move(posto + QPoint(120, 80));
        QCOMPARE(scala->pos(), posto);
    }

    void coloriDeiPannelliEDellaNota()
    {
        Banco b;
        FrmValutazione* scala = b.app.frmValutazione();
        const QImage immagine = scala->grab().toImage();
        const auto colore = [&](int x, int y) { return immagine.pixelColor(forma::px(x), forma::px(y)); };
        QCOMPARE(colore(100, 40), QColor(192, 255, 255));
        QCOMPARE(colore(300, 3330), QColor(128, 255, 255));
        QCOMPARE(colore(6900, 3000), QColor(128, 255, 255));
        // The bottom note keeps the system's label colours, not the window's.
        QCOMPARE(colore(6850, 4300), QApplication::palette().color(QPalette::Window));
    }
};

TARVOLINI_TEST_MAIN(TestValutazione)
#include "test_valutazione.moc"
