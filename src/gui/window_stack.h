#pragma once
// Windows that serve others (help, warnings) stack above the window they serve and not above
// every program: that window becomes their transient parent. Above a modal dialog this also
// lets them take input, since a modal dialog blocks only the windows outside its family.
class QWidget;

// Puts `window` above the top-level window of `owner` (none: free standing). When that window
// hides (a dialog closes), `window` passes to the window below it, the owner's parent.
void stack_above(QWidget& window, QWidget* owner);

// The window a newly shown helper serves: the active modal dialog, else the active window
// (none when another program is active).
QWidget* asking_window();
