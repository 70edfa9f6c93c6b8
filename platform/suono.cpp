#include "suono.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>

SuonoQt::SuonoQt(const QString& cartella) : cartella(cartella) {}

SuonoQt::~SuonoQt() = default;

void SuonoQt::beep()
{
    QApplication::beep();
}

EffettiSonori* SuonoQt::effetti()
{
    if (!caricato) {
        caricato = true;
        // Never unloaded: the effects live until the end of the run.
        QLibrary modulo(QDir(cartella).filePath(QString::fromLatin1(NomeModuloSuono)));
        if (auto crea = reinterpret_cast<CreaEffettiSonori>(modulo.resolve(FunzioneModuloSuono)))
            effetti_.reset(crea());
    }
    return effetti_.get();
}

void SuonoQt::prepara(const QString& percorso)
{
    if (EffettiSonori* e = effetti())
        e->prepara(percorso);
}

void SuonoQt::riproduci(const QString& percorso)
{
    if (EffettiSonori* e = effetti())
        e->riproduci(percorso);
}

const QSoundEffect* SuonoQt::effettoDi(const QString& percorso) const
{
    return effetti_ ? effetti_->effettoDi(percorso) : nullptr;
}
