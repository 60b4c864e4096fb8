#pragma once

// The CAP, NUM and SCRL panes of the status bar: shown dark while the lock is on, greyed
// while it is off. Qt does not report lock states, so the panes follow the modifier state of
// the key events its windows receive (the X server reports Caps Lock and Num Lock in it) and
// count Scroll Lock presses.

#include <QObject>

class QLabel;
class QStatusBar;

namespace quorl {

class KeyIndicators : public QObject {
    Q_OBJECT

public:
    explicit KeyIndicators(QStatusBar* statusBar);

    QLabel* capsPane() const { return caps_; }
    QLabel* numPane() const { return num_; }
    QLabel* scrollPane() const { return scroll_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
};

} // namespace quorl
