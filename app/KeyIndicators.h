#pragma once

// The CAP, NUM and SCRL panes of the status bar: shown dark while the lock is on, greyed
// while it is off. Qt does not report lock states, so the panes follow the modifier state of
// the key events its windows receive (the X server reports Caps Lock and Num Lock in it) and
// count Scroll Lock presses.

#include <QObject>

class QKeyEvent;
class QLabel;
class QStatusBar;

namespace quorl {

class KeyIndicators : public QObject {
public:
    explicit KeyIndicators(QStatusBar* statusBar);

    // A key as its window got it, once per key.
    void keyEvent(const QKeyEvent& key);

private:
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
};

} // namespace quorl
