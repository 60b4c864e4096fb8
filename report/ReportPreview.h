#pragma once

// Print Preview: two pages of the report side by side, as the printer would print them,
// with Print..., Next Page, Prev Page and Close.

#include <QDialog>

class QPrinter;
class QPushButton;

namespace quorl {

class ReportPainter;
class PreviewPages;

class ReportPreview : public QDialog {
    Q_OBJECT

public:
    ReportPreview(const QPrinter& printer, const ReportPainter& report, QWidget* parent = nullptr);

    // The left-hand page shown; the right-hand one follows it.
    int firstPage() const;
    // True once the user chose Print...: the caller then opens the print dialog.
    bool printChosen() const { return printChosen_; }

    QPushButton* nextButton() const { return next_; }
    QPushButton* prevButton() const { return prev_; }

private:
    void turn(int pages);

    PreviewPages* pages_;
    QPushButton* print_;
    QPushButton* next_;
    QPushButton* prev_;
    bool printChosen_ = false;
};

} // namespace quorl
