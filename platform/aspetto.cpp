#include "aspetto.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

void preparaAspetto(QApplication& applicazione)
{
    // No display name: Qt would append it to every window's caption, and the captions are exact texts.
    QApplication::setApplicationName(QStringLiteral("tarvolini"));
    // Fusion draws a button in its palette's colour, as the program's coloured buttons need.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Arial and Courier New have metric twins on the system; MS Sans Serif needs to be told.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));

    // Standard buttons read "Sì", "No", "OK" whatever the system's language.
    auto* traduzione = new QTranslator(&applicazione);
    if (traduzione->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduzione);
}
