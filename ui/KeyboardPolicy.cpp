#include "KeyboardPolicy.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace quorl {

namespace {

bool isDialogKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

// The scope, a control inside it, or a drop-down list opened from one of them; not another
// window such as a dialog the scope's window owns.
bool inside(const QObject* scope, QObject* receiver) {
    for (auto* widget = qobject_cast<QWidget*>(receiver); widget; widget = widget->parentWidget()) {
        if (widget == scope)
            return true;
        if (widget->isWindow() && widget->windowType() != Qt::Popup)
            return false;
    }
    return false;
}

template <typename Entries> auto callbacksFor(const Entries& entries, QObject* receiver) {
    std::vector<decltype(entries.front().callback)> found;
    for (const auto& entry : entries)
        if (entry.owner && inside(entry.owner, receiver))
            found.push_back(entry.callback);
    return found;
}

} // namespace

KeyboardPolicy& KeyboardPolicy::application() {
    static QPointer<KeyboardPolicy> policy;
    if (!policy)
        policy = new KeyboardPolicy(QCoreApplication::instance());
    return *policy;
}

KeyboardPolicy::KeyboardPolicy(QObject* application) : QObject(application) {
    application->installEventFilter(this);
}

void KeyboardPolicy::setAccelerators(QWidget* window, AcceleratorTest test) {
    std::erase_if(accelerators_, [window](const auto& entry) { return entry.owner == window; });
    accelerators_.push_back({window, std::move(test)});
    connect(window, &QObject::destroyed, this, [this, window] { forget(window); });
}

void KeyboardPolicy::addKeyRule(QWidget* scope, KeyRule rule) {
    rules_.push_back({scope, std::move(rule)});
    connect(scope, &QObject::destroyed, this, [this, scope] { forget(scope); });
}

void KeyboardPolicy::addKeyObserver(QObject* owner, KeyObserver observer) {
    observers_.push_back({owner, std::move(observer)});
    connect(owner, &QObject::destroyed, this, [this, owner] { forget(owner); });
}

void KeyboardPolicy::dropPressUnderway(QWidget* window) {
    pressDropped_ = window;
    QTimer::singleShot(0, this, [this] { pressDropped_ = nullptr; });
}

void KeyboardPolicy::forget(QObject* owner) {
    const auto owned = [owner](const auto& entry) { return !entry.owner || entry.owner == owner; };
    std::erase_if(accelerators_, owned);
    std::erase_if(rules_, owned);
    std::erase_if(observers_, owned);
}

// A message box opened inside a pass is the user's to answer, keys and all.
bool KeyboardPolicy::insidePass() const {
    return pumping_ && !QApplication::activeModalWidget();
}

bool KeyboardPolicy::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        return shortcutOverride(watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // A key reaches its window before the control the window hands it to.
        if (watched->isWindowType()) {
            for (const auto& entry : std::vector(observers_))
                if (entry.owner)
                    entry.callback(*static_cast<QKeyEvent*>(event));
            break;
        }
        if (event->type() == QEvent::KeyPress)
            return keyPress(watched, static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonPress:
        if (pressDropped_ && inside(pressDropped_, watched)) {
            pressDropped_ = nullptr;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyboardPolicy::shortcutOverride(QObject* watched, QKeyEvent* event) {
    if (insidePass()) {
        // Claimed for the focused control: no shortcut fires and the key goes on as a key.
        event->accept();
        return true;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget)
        return false;
    for (const auto& entry : accelerators_)
        if (entry.owner == widget->window() && entry.callback(event->keyCombination())) {
            event->ignore();
            return true;
        }
    return false;
}

bool KeyboardPolicy::keyPress(QObject* watched, QKeyEvent* event) {
    if (insidePass() && isDialogKey(event->key()))
        return true;
    for (const KeyRule& rule : callbacksFor(rules_, watched))
        if (rule(watched, event))
            return true;
    return false;
}

} // namespace quorl
