#pragma once

// Print Setup: the printer the next jobs go to, and its paper, orientation and margins (the
// platform's page set-up dialog). Nothing changes in the printer until OK.

#include <QDialog>
#include <QPrinter>

class QComboBox;

namespace quorl {

class PrintSetupDialog : public QDialog {
    Q_OBJECT

public:
    PrintSetupDialog(QPrinter& printer, QWidget* parent = nullptr);

    void accept() override;

private:
    void choosePage();

    QPrinter& printer_;
    QPrinter chosen_{QPrinter::HighResolution};
    QComboBox* printers_;
};

} // namespace quorl
