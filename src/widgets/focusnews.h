#pragma once

class QWidget;

// Screen readers speak a control when the focus arrives on it (its name, role, state and
// description), but neither when its name or description changes under the focus nor when the
// focus leaves it and comes straight back (the screen reader sees only where the focus ends). So
// news is carried on the description of the control that takes the focus; a control that already
// holds it has its description shown, to screen readers only, as a notification.
void focusWithNews(QWidget *target);
