#include "messaggi.h"

#include "programma.h"

#include <QApplication>
#include <QMessageBox>

int MessaggiQt::mostra(const QString& testo, int stile, const QString& titolo)
{
    QMessageBox finestra;
    finestra.setWindowTitle(titolo.isEmpty() ? TitoloProgramma : titolo);
    QString righe = testo;
    righe.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    finestra.setText(righe);
    finestra.setIcon((stile & Informazione) ? QMessageBox::Information : QMessageBox::NoIcon);
    const bool siNo = (stile & 7) == SiNo;
    if (siNo) {
        finestra.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        finestra.setDefaultButton(QMessageBox::Yes);
    } else {
        finestra.setStandardButtons(QMessageBox::Ok);
    }
    const int premuto = finestra.exec();
    if (!siNo)
        return Ok;
    return premuto == QMessageBox::Yes ? Si : No;
}
