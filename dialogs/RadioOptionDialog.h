#pragma once

// What the radio option dialogs share: a fixed window of the given size in dialog units of
// "Times New Roman" 10 pt, with OK (id 1, the default button) and Cancel (id 2). OK stores the
// dialog's choices in the image and closes; Cancel closes and stores nothing. Text still typed
// into a list is settled first (ListTyping.h), so what is stored is what the dialog showed.

#include "DialogUnits.h"

#include <QDialog>

class QPushButton;

namespace quorl {

class RadioOptionDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kIdOk = 1;
    static constexpr int kIdCancel = 2;

protected:
    RadioOptionDialog(const QString& caption, int width, int height, QWidget* parent);

    const ui::DialogUnits& units() const { return units_; }
    // Call after the visible controls, so that OK and Cancel follow them in the tab order.
    void addButtons(const QRect& ok, const QRect& cancel);
    // Settles the lists' typed text, then saves.
    void store();
    virtual void save() = 0;

private:
    ui::DialogUnits units_;
};

} // namespace quorl
