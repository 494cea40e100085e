#pragma once

class QWidget;

namespace qm {

// Puts the window in front, active, with the focus in `field`, so that the keys reach it
// without a click. Called as the window is shown, and once more when the event loop runs:
// under X a window not yet mapped cannot take the focus, and without a window manager nobody
// gives it back to a dialog when a message over it closes.
void bringToFront(QWidget *window, QWidget *field);

// The window that was active before a question takes the keys again once it is answered, in
// the field it had.
void giveKeysBack(QWidget *window);

} // namespace qm
