// The real program on a real X server (Xvfb), bare and under a window manager (openbox): the backdrop's
// window properties, the keyboard flow from the first key, the backdrop's click, the rating scale that
// stays put, and the end of the program when its last window closes.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>
#include <functional>

namespace {

constexpr int Twip = 15;

bool attendi(const std::function<bool()>& condizione, int millisecondi = 10000)
{
    QElapsedTimer tempo;
    tempo.start();
    while (!condizione()) {
        if (tempo.elapsed() > millisecondi)
            return false;
        QTest::qWait(50);
    }
    return true;
}

// An X server of its own, with a window manager when asked, and the tools that look at it.
class Schermo {
public:
    ~Schermo()
    {
        // Asked to end rather than killed, so that the X server removes its socket and lock.
        for (QProcess* p : {&programma, &gestore, &server})
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000))
                    p->kill();
                p->waitForFinished(3000);
            }
    }

    // Empty when all is running, else what failed.
    QString avvia(bool conGestore)
    {
        // The server picks a free display itself and writes its number on its output.
        server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                              QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                              QStringLiteral("tcp")});
        if (!attendi([&] { return server.canReadLine() || server.state() == QProcess::NotRunning; }) || !server.canReadLine())
            return QStringLiteral("Xvfb did not start");
        display = QLatin1Char(':') + QString::fromLatin1(server.readLine()).trimmed();
        ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("DISPLAY"), display);
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        if (conGestore) {
            gestore.setProcessEnvironment(ambiente);
            gestore.start(QStringLiteral("openbox"), {});
            if (!attendi([&] { return esegui({QStringLiteral("xprop"), QStringLiteral("-root"),
                                               QStringLiteral("_NET_SUPPORTING_WM_CHECK")}).contains(QLatin1String("window id")); }))
                return QStringLiteral("openbox did not start on ") + display;
        }
        // The pointer rests where the backdrop will be, so that it gives no window the keys.
        esegui({QStringLiteral("xdotool"), QStringLiteral("mousemove"), QStringLiteral("5"), QStringLiteral("5")});
        programma.setProcessEnvironment(ambiente);
        programma.start(QStringLiteral(CARTELLA_PROGRAMMA "/tarvolini"), {});
        return programma.waitForStarted() ? QString() : QStringLiteral("the program did not start");
    }

    QString esegui(const QStringList& comando)
    {
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.start(comando.first(), comando.mid(1));
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    void xdotool(const QStringList& argomenti) { esegui(QStringList{QStringLiteral("xdotool")} + argomenti); }

    // The program's visible windows with exactly this caption.
    QStringList finestre(const QString& titolo)
    {
        const QString trovate = esegui({QStringLiteral("xdotool"), QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--pid"), QString::number(programma.processId()),
                                        QStringLiteral("--name"), QLatin1Char('^') + QString(titolo).replace(QLatin1String("."), QLatin1String("\\.")) + QLatin1Char('$')});
        return trovate.isEmpty() ? QStringList{} : trovate.split(QLatin1Char('\n'));
    }

    // The top-left corner and the size of a window's client area on the screen.
    QRect geometria(const QString& finestra)
    {
        const QString info = esegui({QStringLiteral("xwininfo"), QStringLiteral("-id"), finestra});
        const auto valore = [&](const char* voce) {
            const QRegularExpression re(QLatin1String(voce) + QStringLiteral(":\\s+(-?\\d+)"));
            return re.match(info).captured(1).toInt();
        };
        return {valore("Absolute upper-left X"), valore("Absolute upper-left Y"), valore("Width"), valore("Height")};
    }

    QString proprieta(const QString& finestra, const char* nome)
    {
        return esegui({QStringLiteral("xprop"), QStringLiteral("-id"), finestra, QLatin1String(nome)});
    }

    qulonglong fuoco() { return esegui({QStringLiteral("xdotool"), QStringLiteral("getwindowfocus")}).toULongLong(); }

    void clicca(QPoint punto)
    {
        xdotool({QStringLiteral("mousemove"), QString::number(punto.x()), QString::number(punto.y()),
                 QStringLiteral("click"), QStringLiteral("1")});
    }

    QString display;
    QProcessEnvironment ambiente;
    QProcess server, gestore, programma;
};

const QString Titolo = QStringLiteral("TARVOLINI.1");
const QString TitoloOperativo = QStringLiteral("ESERCIZI SULLE TARVOLINI.1");
const QString TitoloScala = QStringLiteral("SCALA  DI  VALUTAZIONE");

} // namespace

class TestAvvioX11 : public QObject {
    Q_OBJECT
private slots:
    void giroCompleto_data()
    {
        QTest::addColumn<bool>("conGestore");
        QTest::newRow("X senza gestore delle finestre") << false;
        QTest::newRow("X con openbox") << true;
    }
    void giroCompleto()
    {
        QFETCH(bool, conGestore);
        for (const char* strumento : {"Xvfb", "xdotool", "xprop", "xwininfo"})
            if (QStandardPaths::findExecutable(QLatin1String(strumento)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(strumento))));
        if (conGestore && QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
            QSKIP("openbox is not installed");
        Schermo s;
        const QString errore = s.avvia(conGestore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));

        // Start-up: the backdrop fills the screen, under the rest and out of the task bar; the setup
        // window is in front with the keys.
        QVERIFY2(attendi([&] { return s.finestre(Titolo).size() == 2; }, 30000),
                 qPrintable(s.display + QLatin1Char(' ') + QString::fromLocal8Bit(s.programma.readAllStandardError())));
        QString sfondo, inizio;
        for (const QString& f : s.finestre(Titolo))
            (s.geometria(f).size() == QSize(1280, 1024) ? sfondo : inizio) = f;
        QVERIFY(!sfondo.isEmpty() && !inizio.isEmpty());
        const QString stato = s.proprieta(sfondo, "_NET_WM_STATE");
        QVERIFY2(stato.contains(QLatin1String("_NET_WM_STATE_SKIP_TASKBAR")), qPrintable(stato));
        QVERIFY2(stato.contains(QLatin1String("_NET_WM_STATE_BELOW")), qPrintable(stato));
        QVERIFY(attendi([&] { return s.fuoco() == inizio.toULongLong(); }));

        // The keys go to the name field at once; Enter accepts the name, Enter on the first range
        // button opens the drill window.
        s.xdotool({QStringLiteral("type"), QStringLiteral("Ugo")});
        s.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        s.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QVERIFY(attendi([&] { return s.finestre(TitoloOperativo).size() == 1; }));
        const QString operativo = s.finestre(TitoloOperativo).first();
        QVERIFY(s.proprieta(operativo, "_NET_WM_NAME").contains(QLatin1Char('"') + TitoloOperativo + QLatin1Char('"')));
        QVERIFY(attendi([&] { return s.fuoco() == operativo.toULongLong(); }));

        // A click on the backdrop brings the setup window back to the front, with the keys.
        s.clicca({5, 1000});
        QVERIFY(attendi([&] { return s.fuoco() == inizio.toULongLong(); }));
        if (conGestore) {
            const QString pila = s.esegui({QStringLiteral("xprop"), QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
            const QStringList ordine = pila.section(QLatin1Char('#'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
            QVERIFY(ordine.size() >= 3);
            QCOMPARE(ordine.first().trimmed().toULongLong(nullptr, 16), sfondo.toULongLong());
            QCOMPARE(ordine.last().trimmed().toULongLong(nullptr, 16), inizio.toULongLong());
        }

        // The rating scale, from the menu bar: it stays where it was put, and a click on its margin closes it.
        const QRect finestraInizio = s.geometria(inizio);
        s.clicca(finestraInizio.topLeft() + QPoint(120, 10));
        QVERIFY(attendi([&] { return s.finestre(TitoloScala).size() == 1; }));
        const QString scala = s.finestre(TitoloScala).first();
        QVERIFY(attendi([&] { return s.fuoco() == scala.toULongLong(); }));
        const QPoint posto = s.geometria(scala).topLeft();
        if (conGestore) {
            const QPoint titolo = posto + QPoint(200, -8);
            s.xdotool({QStringLiteral("mousemove"), QString::number(titolo.x()), QString::number(titolo.y()),
                       QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                       QString::number(titolo.x() + 60), QString::number(titolo.y() + 60), QStringLiteral("mousemove"),
                       QString::number(titolo.x() + 120), QString::number(titolo.y() + 120), QStringLiteral("mouseup"),
                       QStringLiteral("1")});
            QTest::qWait(300);
            QCOMPARE(s.geometria(scala).topLeft(), posto);
        }
        s.xdotool({QStringLiteral("windowmove"), scala, QStringLiteral("10"), QStringLiteral("10")});
        QTest::qWait(300);
        QVERIFY(attendi([&] { return s.geometria(scala).topLeft() == posto; }));
        s.clicca(posto + QPoint(40, 44));   // on the first scale line
        QTest::qWait(300);
        QCOMPARE(s.finestre(TitoloScala).size(), 1);
        s.clicca(posto + QPoint(3, 3));     // on the margin
        QVERIFY(attendi([&] { return s.finestre(TitoloScala).isEmpty(); }));

        // E S C I closes the backdrop and the setup window; the drill window keeps the program alive
        // until it is closed too.
        s.clicca({5, 1000});
        QVERIFY(attendi([&] { return s.fuoco() == inizio.toULongLong(); }));
        for (int i = 0; i < 4; ++i)
            s.xdotool({QStringLiteral("key"), QStringLiteral("Tab")});
        s.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QVERIFY(attendi([&] { return s.finestre(Titolo).isEmpty(); }));
        QTest::qWait(300);
        QCOMPARE(s.programma.state(), QProcess::Running);
        QCOMPARE(s.finestre(TitoloOperativo).size(), 1);
        const QRect finestraOperativo = s.geometria(operativo);
        const int menu = finestraOperativo.height() - 8340 / Twip;
        s.clicca(finestraOperativo.topLeft() + QPoint((9900 + 1335 / 2) / Twip, menu + (5715 + 525 / 2) / Twip));
        QVERIFY(s.programma.waitForFinished(5000));
        QCOMPARE(s.programma.exitStatus(), QProcess::NormalExit);
        QCOMPARE(s.programma.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestAvvioX11)
#include "test_avvio_x11.moc"
