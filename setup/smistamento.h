#pragma once
// The mode dispatch: turns the mode chosen in the setup window into the drill window's colour theme
// and instruction line, then shows the drill window.
class Applicazione;

// `modo` is the index of the entry selected in the mode list, 0 to 2.
void Smistamento(Applicazione& app, int modo);

// The three themes; each ends by colouring the drill window's frames and buttons.
void propriet1(Applicazione& app);
void propriet2(Applicazione& app);
void propriet3(Applicazione& app);

// Gives the drill window's frames and buttons the theme colour held in ColoreTema.
void coloraComandi(Applicazione& app);
