#pragma once
// Requests to an X11 window manager that Qt's window flags cannot express. They are standard window
// properties, so they do nothing without a window manager or away from X11 (offscreen, Wayland).
class QWidget;

namespace gestoreFinestre {

// Keeps the window out of the task bar and the pager. Call before the window is first shown.
void fuoriDallaBarra(QWidget* finestra);
// Lets the window manager offer closing only: no dragging, no resizing, no minimising or maximising.
// Call before the window is first shown.
void nonSpostabile(QWidget* finestra);

} // namespace gestoreFinestre
