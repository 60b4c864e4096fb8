#pragma once

// The form view: the settings panel above the channel table, laid out in dialog units of the
// form's "Times New Roman" 8 pt font. Between a DecodeImage and the next EncodeImage the
// table's cell texts and the panel are the working copy of the radio's data; the image is
// brought up to date only by EncodeImage. Cell editing and the radio transfers are classes of
// their own that the view owns.

#include "DialogUnits.h"
#include "RadioImage.h"

#include <QScrollArea>
#include <QString>

#include <memory>

namespace quorl {

class CMSFlexGrid;
class CellEditor;
class SettingsPanel;
class SheetCommands;
class ToneTable;
class TransferController;

class CZolView : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int kChannelTableRows = 200;
    static constexpr int kChannelTableCols = 9;
    // Every run starts on the first port.
    static inline const QString kStartPort = QStringLiteral("COM1");

    CZolView(RadioImage& image, const ToneTable& tones, QWidget* parent = nullptr);
    ~CZolView() override;

    // Runs for every new or opened document: fits the frame to the form, creates the
    // editors the first time, closes any open editor, writes headings and row labels, and
    // shows the image.
    void OnInitialUpdate();

    // Image → table and panel.
    void DecodeImage();
    // Table and panel → image.
    void EncodeImage();
    // The same into another image, which holds what the table does not show.
    void encodeInto(RadioImage& image) const;

    // The serial port transfers and the test mode use; "COM1" on every start.
    const QString& portName() const { return portName_; }
    void setPortName(const QString& name) { portName_ = name; }

    CellEditor& cells() { return *cells_; }
    // Selection, clipboard, channel operations and undo over the table.
    SheetCommands& sheet() { return *sheet_; }
    TransferController& transfer() { return *transfer_; }
    // How keys behave in the program's windows; the frame adds its accelerators.

    CMSFlexGrid* grid() const { return grid_; }
    SettingsPanel* settingsPanel() const { return panel_; }

signals:
    // A hint for the status bar's message pane, by what the mouse pointer is over.
    void statusHint(const QString& text);

protected:
    // The pointer's moves over the frame's window, for the status-bar hints.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitParentFrame();
    void setColumnLayout();
    void showStatusHint(const QPoint& windowPos);

    RadioImage& image_;
    QFont formFont_;
    ui::DialogUnits units_;
    SettingsPanel* panel_;
    CMSFlexGrid* grid_;
    QString portName_;
    CellEditor* cells_;
    TransferController* transfer_;
    SheetCommands* sheet_;
};

} // namespace quorl
