#pragma once
// FrmValutazione: the rating-scale window, naming the grades; a click on its background closes it.
#include "../platform/forma.h"

#include <QPoint>
#include <optional>

class Applicazione;

class FrmValutazione : public FinestraFissa {
    Q_OBJECT
public:
    explicit FrmValutazione(Applicazione& app);
    // Centres the window and fixes it there.
    void Form_Load();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;

private:
    void Form_Click();

    Applicazione& app;
    bool premutoSulFondo_ = false;
    std::optional<QPoint> posto_;   // where the window stays once placed
};
