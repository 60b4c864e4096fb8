#pragma once

// How keys behave in the program's windows, decided in one place for the whole application:
// - an accelerator of a window takes its key even from a control that would keep it
//   (a line edit keeps Ctrl+E for itself otherwise);
// - during a transfer's pumping pass no shortcut fires and Enter, Escape and Tab do nothing,
//   while a message box shown inside the pass keeps all its keys;
// - each window's own key rules (the form's Enter and table keys, a dialog's key filter) see a
//   key before the control it is meant for;
// - every key is reported once, as its window gets it (the status bar's key indicators);
// - a click that a window refuses (it took the focus from a value the window rejects) goes no
//   further, so it cannot press the button it landed on.
// Windows register what they need; everything registered ends with the object it was given for.

#include <QKeyCombination>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QKeyEvent;
class QWidget;

namespace quorl {

class KeyboardPolicy final : public QObject {
public:
    using AcceleratorTest = std::function<bool(QKeyCombination key)>;
    // Returns true when it has dealt with a key the receiver was about to get.
    using KeyRule = std::function<bool(QObject* receiver, QKeyEvent* event)>;
    using KeyObserver = std::function<void(const QKeyEvent& event)>;

    // The application's policy, made by the first call and owned by the application object.
    static KeyboardPolicy& application();

    // Keys the window's enabled accelerators take, for the controls of that window.
    void setAccelerators(QWidget* window, AcceleratorTest test);
    // Key presses for `scope`, for anything inside it and for its open drop-down lists.
    void addKeyRule(QWidget* scope, KeyRule rule);
    void addKeyObserver(QObject* owner, KeyObserver observer);

    // The mouse press being delivered now inside the window goes nowhere.
    void dropPressUnderway(QWidget* window);

    // Set for the duration of one pumping pass of a transfer.
    void setPumping(bool pumping) { pumping_ = pumping; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Callback> struct Entry {
        QPointer<QObject> owner;
        Callback callback;
    };

    explicit KeyboardPolicy(QObject* application);
    void forget(QObject* owner);
    bool shortcutOverride(QObject* watched, QKeyEvent* event);
    bool keyPress(QObject* watched, QKeyEvent* event);
    bool insidePass() const;

    std::vector<Entry<AcceleratorTest>> accelerators_;
    std::vector<Entry<KeyRule>> rules_;
    std::vector<Entry<KeyObserver>> observers_;
    QPointer<QWidget> pressDropped_;
    bool pumping_ = false;
};

} // namespace quorl
