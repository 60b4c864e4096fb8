#pragma once

// Print Preview: two pages of the report side by side, as the printer would print them,
// with Print..., Next Page, Prev Page, Close, and zoom: Zoom In and Zoom Out (also the + and -
// keys and Ctrl with the mouse wheel) and Fit Page, which shows the whole pages again.

#include <QDialog>

class QPrinter;
class QPushButton;
class QScrollArea;

namespace quorl {

class ReportPainter;
class PreviewPages;

class ReportPreview : public QDialog {
    Q_OBJECT

public:
    ReportPreview(const QPrinter& printer, const ReportPainter& report, QWidget* parent = nullptr);

    // True once the user chose Print...: the caller then opens the print dialog.
    bool printChosen() const { return printChosen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void turn(int pages);
    // Times the size at which the pages fit the window: 1 is Fit Page.
    void setZoom(qreal zoom);

    QScrollArea* area_;
    PreviewPages* pages_;
    qreal zoom_ = 1;
    QPushButton* print_;
    QPushButton* next_;
    QPushButton* prev_;
    QPushButton* fit_;
    bool printChosen_ = false;
};

} // namespace quorl
