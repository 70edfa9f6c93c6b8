#include "aspetto.h"

#include "immagini.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace {

// Fusion, with the menu bars' "more" chevrons drawn in code: Fusion's own come from image files, and
// every menu bar loads them when it is made, which makes Qt load all its image plugins before the first
// window shows.
class StileProgramma : public QProxyStyle {
public:
    StileProgramma() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap immagine, const QStyleOption* opzione, const QWidget* widget) const override
    {
        if (immagine == SP_ToolBarHorizontalExtensionButton)
            return iconaEstensione();
        return QProxyStyle::standardIcon(immagine, opzione, widget);
    }
};

} // namespace

void preparaAspetto(QApplication& applicazione)
{
    // No display name: Qt would append it to every window's caption, and the captions are exact texts.
    QApplication::setApplicationName(QStringLiteral("tarvolini"));
    // Fusion draws a button in its palette's colour, as the program's coloured buttons need.
    QApplication::setStyle(new StileProgramma);
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
