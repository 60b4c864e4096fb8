#include "RadioOptionDialog.h"

#include "DialogControls.h"
#include "DialogUnits.h"
#include "ListTyping.h"

#include <QComboBox>
#include <QPushButton>

namespace quorl {

namespace {

QFont dialogFont() {
    return ui::formFont(10);
}

} // namespace

RadioOptionDialog::RadioOptionDialog(const QString& caption, int width, int height, QWidget* parent)
    : QDialog(parent), units_(dialogFont(), this) {
    setWindowTitle(caption);
    setFont(dialogFont());
    setFixedSize(units_.size(width, height));
}

void RadioOptionDialog::addButtons(const QRect& ok, const QRect& cancel) {
    QPushButton* okButton = ui::addPushButton(this, units_, kIdOk, QStringLiteral("OK"), ok);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    QPushButton* cancelButton =
        ui::addPushButton(this, units_, kIdCancel, QStringLiteral("Cancel"), cancel);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void RadioOptionDialog::store() {
    for (QComboBox* list : findChildren<QComboBox*>())
        ui::settleTypedText(list);
    save();
}

} // namespace quorl
