#include "PrintSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPageSetupDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorl {

PrintSetupDialog::PrintSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer), printers_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Print Setup"));
    printers_->setObjectName(QStringLiteral("Printer"));
    const QStringList names = QPrinterInfo::availablePrinterNames();
    printers_->addItems(names);
    QString current = printer.printerName();
    if (!names.contains(current))
        current = QPrinterInfo::defaultPrinterName();
    if (names.isEmpty())
        printers_->addItem(QStringLiteral("(no printer installed)"));
    printers_->setEnabled(!names.isEmpty());
    printers_->setCurrentIndex(std::max<int>(names.indexOf(current), 0));
    if (!names.isEmpty())
        chosen_.setPrinterName(printers_->currentText());
    chosen_.setPageLayout(printer.pageLayout());

    auto* page = new QPushButton(QStringLiteral("&Paper, Orientation and Margins..."), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Printer:"), printers_);
    form->addRow(QString(), page);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(printers_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        // The paper and margins chosen so far stay, as far as the other printer allows.
        const QPageLayout kept = chosen_.pageLayout();
        chosen_.setPrinterName(name);
        chosen_.setPageLayout(kept);
    });
    connect(page, &QPushButton::clicked, this, &PrintSetupDialog::choosePage);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintSetupDialog::reject);
}

void PrintSetupDialog::choosePage() {
    QPageSetupDialog dialog(&chosen_, this);
    dialog.exec();
}

void PrintSetupDialog::accept() {
    if (printers_->isEnabled())
        printer_.setPrinterName(chosen_.printerName());
    printer_.setPageLayout(chosen_.pageLayout());
    QDialog::accept();
}

} // namespace quorl
