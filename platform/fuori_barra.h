#pragma once
// Keeping a window out of the task bar and the pager.
class QWidget;

// Makes `finestra` a tool window and, on X11, asks the window manager to leave it out of the task
// bar and the pager. Call it once, before the window is first shown.
void fuoriDallaBarra(QWidget* finestra);
