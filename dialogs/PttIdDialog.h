#pragma once

// Program > PTT ID: the code the radio sends when the PTT is pressed or released, when it sends
// it, and whether the radio shows a received one. Only the keys a code can hold work here, so
// Enter and Escape do nothing; the close box keeps what was entered, as OK does.

#include "RadioImage.h"
#include "RadioOptionDialog.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace quorl {

class PttIdDialog : public RadioOptionDialog {
    Q_OBJECT

public:
    static constexpr int kIdDisplay = 1102;
    static constexpr int kIdMode = 1103;
    static constexpr int kIdCode = 1080;

    PttIdDialog(RadioImage& image, QWidget* parent);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Returns true when the key goes no further.
    bool keyTyped(QObject* receiver, const QKeyEvent& key);
    void save() override;

    RadioImage& image_;
    QCheckBox* display_;
    QComboBox* mode_;
    QLineEdit* code_;
};

} // namespace quorl
