#pragma once
// CampoRisultato: the answer field, whose typed characters pass a key filter before the field sees them
// and which can be locked against every key while staying enabled and focusable.
#include <QLineEdit>
#include <functional>

class CampoRisultato : public QLineEdit {
    Q_OBJECT
public:
    explicit CampoRisultato(QWidget* genitore);

    // Runs for every typed character with its code; setting the code to 0 discards the character.
    // Enter (13) is never handed to the field itself: its work is the filter's.
    std::function<void(int& codice)> filtro;

    void blocca(bool bloccato);
    bool bloccato() const { return bloccato_; }

signals:
    // A mouse click inside the field, after the press has given it the focus.
    void cliccato();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    bool bloccato_ = false;
};
