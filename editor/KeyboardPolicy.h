#pragma once

// How keys behave in the program's windows, decided in one place:
// - an accelerator of the main window takes its key even from a control that would keep it
//   (a line edit keeps Ctrl+E for itself otherwise);
// - during a transfer's pumping pass no shortcut fires and Enter, Escape and Tab do nothing,
//   while a message box shown inside the pass keeps all its keys;
// - Enter reaches the form before the focused control does (PreTranslateMessage);
// - the channel table's clipboard, undo and row keys are the form's while no editor is open;
// - every key is reported once, as its window gets it (the status bar's key indicators).
// It watches only the windows it is given and everything inside them.

#include <QKeyCombination>
#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace quorl {

class KeyboardPolicy final : public QObject {
public:
    using AcceleratorTest = std::function<bool(QKeyCombination key)>;
    // Returns true when it has dealt with the Enter key the receiver was about to get.
    using EnterHandler = std::function<bool(QObject* receiver, QKeyEvent* event)>;
    using KeyObserver = std::function<void(const QKeyEvent& event)>;
    // Returns true when it has dealt with a key the receiver was about to get.
    using KeyHandler = std::function<bool(QObject* receiver, QKeyEvent* event)>;

    using QObject::QObject;

    // Applies the policy to the window and to everything in it, now and later.
    void watch(QWidget* window);

    // Keys the window's enabled accelerators take, for controls of that window.
    void setAccelerators(const QWidget* window, AcceleratorTest test);
    void setEnterHandler(EnterHandler handler) { enterHandler_ = std::move(handler); }
    void setKeyObserver(KeyObserver observer) { keyObserver_ = std::move(observer); }
    // Keys a control takes for itself before its own handling (the table's clipboard keys).
    void setKeyHandler(KeyHandler handler) { keyHandler_ = std::move(handler); }

    // Set for the duration of one pumping pass of a transfer.
    void setPumping(bool pumping) { pumping_ = pumping; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchTree(QWidget* widget);
    bool shortcutOverride(QObject* watched, QKeyEvent* event);
    bool keyPress(QObject* watched, QKeyEvent* event);
    bool insidePass() const;

    const QWidget* acceleratorWindow_ = nullptr;
    AcceleratorTest accelerators_;
    EnterHandler enterHandler_;
    KeyObserver keyObserver_;
    KeyHandler keyHandler_;
    bool pumping_ = false;
};

} // namespace quorl
