#pragma once

// The form view: the settings panel above the channel table, laid out in dialog units of the
// form's "Times New Roman" 8 pt font. Between a DecodeImage and the next EncodeImage the
// table's cell texts and the panel are the working copy of the radio's data; the image is
// brought up to date only by EncodeImage.

#include "CloneProtocol.h"
#include "DialogUnits.h"
#include "ProgressDialog.h"
#include "RadioImage.h"

#include <QScrollArea>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class CMSFlexGrid;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class SettingsPanel;

namespace quorl {
class ToneTable;
enum class EraseCheck;
} // namespace quorl

class CZolView : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int kChannelTableRows = 200;
    static constexpr int kChannelTableCols = 9;
    // Characters a name may have when typed; a longer stored name is kept as it is.
    static constexpr int kNameEditorLimit = 6;

    CZolView(quorl::RadioImage& image, const quorl::ToneTable& tones, QWidget* parent = nullptr);
    ~CZolView() override;

    // Runs for every new or opened document: fits the frame to the form, creates the
    // editors the first time, closes any open editor, writes headings and row labels, and
    // shows the image.
    void OnInitialUpdate();

    // Image → table and panel.
    void DecodeImage();
    // Table and panel → image.
    void EncodeImage();

    // The Edit Data command: says how to edit, then makes channel 1's Receive cell current.
    void OnEditData();

    // Writes the open editor's value into its cell with every check (a refused frequency is
    // reported and erases the cell), fills or clears the rest of the row to match, and closes
    // the editor. Read From Radio and Write To Radio run it first, so that a transfer starts
    // from committed cells; Save and Print do not, so a value still being typed is not part
    // of what they store or print.
    void CommitCellEdit();

    // The serial port transfers and the test mode use; "COM1" on every start.
    const QString& portName() const { return portName_; }
    void setPortName(const QString& name) { portName_ = name; }

    // Read From Radio and Write To Radio, in CZolViewTransfer.cpp: commit the cell being
    // edited, set the direction of the next transfer and open the progress dialog over the
    // table, where Start begins it. A dialog that is already open stays as it is, caption
    // included.
    void OnReadFromRadio();
    void OnWriteToRadio();
    quorl::TransferDirection transferDirection() const { return direction_; }
    quorl::ProgressDialog& progressDialog() { return progress_; }
    bool isTransferRunning() const { return transferRunning_; }
    // Runs the job now; while a transfer runs, cancels the transfer and runs the job once the
    // transfer has ended and its port is closed. Whatever closes the window or replaces the
    // document goes through here.
    void runAfterTransfer(std::function<void()> job);
    // The line and pauses of the next transfers instead of the serial port and real time; null
    // for the serial port again. Tests put a simulated radio here.
    void setTransferLine(quorl::ByteLink* line, quorl::Pacer* pacer);

    CMSFlexGrid* grid() const { return grid_; }
    SettingsPanel* settingsPanel() const { return panel_; }
    QWidget* form() const { return widget(); }
    const quorl::ui::DialogUnits& dialogUnits() const { return units_; }

    // The in-place editors, children of the grid; null until the first OnInitialUpdate.
    QWidget* EditorForColumn(int column) const;
    QLineEdit* frequencyEditor() const { return frequencyEditor_; }
    QLineEdit* nameEditor() const { return nameEditor_; }
    QComboBox* toneEditor() const { return toneEditor_; }
    QComboBox* powerEditor() const { return powerEditor_; }
    QComboBox* scanEditor() const { return scanEditor_; }
    QComboBox* busyLockEditor() const { return busyLockEditor_; }

signals:
    // A hint for the status bar's message pane, by what the mouse pointer is over.
    void statusHint(const QString& text);

protected:
    // Sees the Enter key before the focused control does (PreTranslateMessage) and the
    // pointer's moves over the form (status-bar hints).
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The transfer request the progress dialog's Start posts.
    void customEvent(QEvent* event) override;

private:
    // Reading and writing the radio, in CZolViewTransfer.cpp.
    void prepareTransfer(quorl::TransferDirection direction, const QString& caption);
    void OnTransferRequest();

    // Cell editing, in CZolViewEditing.cpp.
    void connectCellEditing();
    void connectEditors();
    void OnGridDblClick();
    void OnGridMouseDown(short button);
    void OnGridKeyPress(quint16 key);
    void OnGridScroll();
    void LoadEditorFromCell();
    void ShowCellEditor(quint16 key);
    bool PreTranslateMessage(QObject* receiver, QKeyEvent* event);
    int CommitOnEnter(QWidget* focus);
    void commitListEditor(QComboBox* editor, bool emptyWithoutFrequency);
    void commitFrequencyEditor(quorl::EraseCheck eraseCheck);
    void walkToColumn(int column);
    void placeEditor(QWidget* editor);
    void setFieldText(QLineEdit* field, const QString& text);
    void closeEditor(QWidget* editor);
    QString selectedTone() const;
    std::string checkedFrequency(const QString& typed) const;
    QWidget* formControl(QObject* receiver) const;
    bool isEditor(const QWidget* widget) const;
    void showStatusHint(const QPoint& windowPos);

    void fitParentFrame();
    void createEditors();
    void closeEditors();
    void setColumnLayout();

    quorl::RadioImage& image_;
    const quorl::ToneTable& tones_;
    QFont formFont_;
    quorl::ui::DialogUnits units_;
    SettingsPanel* panel_;
    CMSFlexGrid* grid_;
    QLineEdit* frequencyEditor_ = nullptr;
    QLineEdit* nameEditor_ = nullptr;
    QComboBox* toneEditor_ = nullptr;
    QComboBox* powerEditor_ = nullptr;
    QComboBox* scanEditor_ = nullptr;
    QComboBox* busyLockEditor_ = nullptr;
    QString portName_;
    bool editorsCreated_ = false;

    quorl::ProgressDialog progress_{this};
    quorl::TransferDirection direction_ = quorl::TransferDirection::Read;
    quorl::ByteLink* transferLine_ = nullptr;
    quorl::Pacer* transferPacer_ = nullptr;
    bool transferRunning_ = false;
    std::vector<std::function<void()>> afterTransfer_;
};
