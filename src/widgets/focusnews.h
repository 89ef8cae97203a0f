#pragma once

class QWidget;

// Screen readers speak a control when the focus arrives on it (its name, role, state and
// description), but not when its name or description changes under the focus. So news is carried
// on the control that takes the focus, and a control that already holds it is left for `via` (its
// parent when none is given) and entered again, which a sighted user does not see.
void focusWithNews(QWidget *target, QWidget *via = nullptr);
