#include "ReportPreview.h"

#include "PreviewPages.h"
#include "ReportLayout.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorl {

ReportPreview::ReportPreview(const QPrinter& printer, const ReportPainter& report, QWidget* parent)
    : QDialog(parent), pages_(new PreviewPages(printer, report, this)),
      print_(new QPushButton(QStringLiteral("&Print..."), this)),
      next_(new QPushButton(QStringLiteral("&Next Page"), this)),
      prev_(new QPushButton(QStringLiteral("Pre&v Page"), this)) {
    setWindowTitle(QStringLiteral("Print Preview"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* button : {print_, next_, prev_, close})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print_);
    buttons->addWidget(next_);
    buttons->addWidget(prev_);
    buttons->addWidget(close);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pages_, 1);

    connect(print_, &QPushButton::clicked, this, [this] {
        printChosen_ = true;
        accept();
    });
    connect(next_, &QPushButton::clicked, this, [this] { turn(PreviewPages::kSheets); });
    connect(prev_, &QPushButton::clicked, this, [this] { turn(-PreviewPages::kSheets); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    turn(0);
}

int ReportPreview::firstPage() const {
    return pages_->firstPage();
}

void ReportPreview::turn(int pages) {
    const int first = std::clamp(pages_->firstPage() + pages, 1, kReportPageCount - 1);
    pages_->setFirstPage(first);
    prev_->setEnabled(first > 1);
    next_->setEnabled(first + PreviewPages::kSheets <= kReportPageCount);
}

} // namespace quorl
