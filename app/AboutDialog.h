#pragma once

// Help > About: the program's icon, name and version, and an OK button.

#include <QDialog>

namespace quorl {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    static const QString kVersionText;

    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace quorl
