#pragma once

// The sheets of paper a print preview shows side by side, scaled to fit the widget, with the
// report drawn in each sheet's printable area.

#include <QWidget>

class QPrinter;

namespace quorl {

class ReportPainter;

class PreviewPages : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSheets = 2;

    PreviewPages(const QPrinter& printer, const ReportPainter& report, QWidget* parent = nullptr);

    int firstPage() const { return firstPage_; }
    void setFirstPage(int page);

    // Where each sheet of paper stands in the widget.
    QRectF sheetRect(int sheet) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPrinter& printer_;
    const ReportPainter& report_;
    int firstPage_ = 1;
};

} // namespace quorl
