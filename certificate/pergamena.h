#pragma once
// Pergamena: the certificate's picture, a parchment scroll with a red and yellow rosette at its lower
// right, drawn in vectors and stretched to the widget so that it stays sharp at any resolution.
#include <QWidget>

class Pergamena : public QWidget {
    Q_OBJECT
public:
    explicit Pergamena(QWidget* genitore = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;
};
