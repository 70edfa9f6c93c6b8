#include "orologio.h"

#include <QDateTime>
#include <QLocale>

double OrologioSistema::secondiDallaMezzanotte() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QString OrologioSistema::dataBreve() const
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}
