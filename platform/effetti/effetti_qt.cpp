// The sound module: sound files played through QSoundEffect, one effect per file, kept for the run.
#include "platform/effetti_sonori.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// A missing file, or a machine without sound output, stays silent without a word, so that nothing slows
// down or floods the log on every answer.
class EffettiQt : public EffettiSonori {
public:
    EffettiQt() : uscitaPresente(!QMediaDevices::audioOutputs().isEmpty()) {}
    ~EffettiQt() override { qDeleteAll(effetti); }

    void prepara(const QString& percorso) override { effetto(percorso); }

    void riproduci(const QString& percorso) override
    {
        if (QSoundEffect* e = effetto(percorso); e && e->status() != QSoundEffect::Error)
            e->play();
    }

    const QSoundEffect* effettoDi(const QString& percorso) const override { return effetti.value(percorso); }

private:
    QSoundEffect* effetto(const QString& percorso)
    {
        if (!uscitaPresente || !QFileInfo(percorso).isFile())
            return nullptr;
        auto trovato = effetti.constFind(percorso);
        if (trovato != effetti.constEnd())
            return *trovato;
        auto* nuovo = new QSoundEffect;
        nuovo->setSource(QUrl::fromLocalFile(percorso));
        effetti.insert(percorso, nuovo);
        return nuovo;
    }

    bool uscitaPresente;
    QHash<QString, QSoundEffect*> effetti;
};

} // namespace

extern "C" Q_DECL_EXPORT EffettiSonori* tarvolini_effetti_sonori()
{
    return new EffettiQt;
}
