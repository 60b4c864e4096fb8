#include "AboutDialog.h"

#include "DialogUnits.h"
#include "Icons.h"

#include <QLabel>
#include <QPushButton>

namespace quorl {

const QString AboutDialog::kVersionText = QStringLiteral("QUORL Communication Software-1.8");

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About QUORL"));
    setFont(ui::formFont(10));
    const ui::DialogUnits units(font(), this);
    setFixedSize(units.size(250, 62));

    auto* icon = new QLabel(this);
    icon->setGeometry(units.rect(11, 14, 21, 20));
    icon->setPixmap(applicationIcon().pixmap(icon->size()));

    auto* version = new QLabel(kVersionText, this);
    version->setGeometry(units.rect(40, 10, 150, 10));

    auto* about = new QLabel(QStringLiteral("Programming and alignment software for the\n"
                                            "ZR - 101S, ZR - 102S and ZR - 103S\n"
                                            "handheld radios."),
                             this);
    about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    about->setGeometry(units.rect(40, 24, 150, 30));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(units.rect(196, 7, 45, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace quorl
