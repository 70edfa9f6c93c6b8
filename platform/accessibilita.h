#pragma once
// What a screen reader hears: Italian names for the controls that show no text of their own, plain
// words for texts spelled with blanks between letters, and a notice whenever a shown text changes.
#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace accessibilita {

// "E S A T T O" -> "ESATTO", "N u o v a   s o t t r a z i o n e" -> "Nuova sottrazione"; any other
// text (also "  1      2      3", single characters set apart) -> empty.
QString paroleSemplici(const QString& testo);

// Names every control of `finestra` and keeps the names of its labels and buttons in step with their
// texts. Call once, when the window is first shown.
void rendiAccessibile(QWidget* finestra);

// Keeps the accessible names of a window's labels and buttons in step with their texts and reports
// each change to the screen reader. Qt sends no event when a label's text changes, so the change is
// seen when it is painted, the moment the pupil sees it too.
class Sorvegliante : public QObject {
    Q_OBJECT
public:
    explicit Sorvegliante(QObject* genitore) : QObject(genitore) {}
    void segui(QWidget* w);

signals:
    // A control's new name has just been reported to the screen reader.
    void annunciato(QWidget* w);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void aggiorna(QWidget* w);
    QHash<QObject*, QString> ultimo_;
};

} // namespace accessibilita
