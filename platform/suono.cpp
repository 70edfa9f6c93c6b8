#include "suono.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

SuonoQt::~SuonoQt()
{
    qDeleteAll(effetti);
}

void SuonoQt::beep()
{
    QApplication::beep();
}

QSoundEffect* SuonoQt::effetto(const QString& percorso)
{
    if (!uscitaPresente)
        uscitaPresente = !QMediaDevices::audioOutputs().isEmpty();
    if (!*uscitaPresente || !QFileInfo(percorso).isFile())
        return nullptr;
    auto trovato = effetti.constFind(percorso);
    if (trovato != effetti.constEnd())
        return *trovato;
    auto* nuovo = new QSoundEffect;
    nuovo->setSource(QUrl::fromLocalFile(percorso));
    effetti.insert(percorso, nuovo);
    return nuovo;
}

void SuonoQt::prepara(const QString& percorso)
{
    effetto(percorso);
}

void SuonoQt::riproduci(const QString& percorso)
{
    if (QSoundEffect* e = effetto(percorso); e && e->status() != QSoundEffect::Error)
        e->play();
}
