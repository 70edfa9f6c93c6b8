#pragma once
// What the whole program looks like: the widget style that shows coloured buttons, the fonts that
// stand in for the Windows fonts it names, and Qt's own texts in Italian.
class QApplication;

void preparaAspetto(QApplication& applicazione);
