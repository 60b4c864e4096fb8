#pragma once

// Editing the channel table in place: the grid never edits a cell itself. A click, a
// double-click or a key typed on a cell opens the editor of its column over the cell; leaving
// the cell, pressing Enter or starting a transfer writes the editor's value back with every
// check and keeps the rest of the row consistent with it.

#include <QElapsedTimer>
#include <QFont>
#include <QObject>
#include <QString>

#include <string>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace quorl {

class CMSFlexGrid;
class SettingsPanel;
class ToneTable;
enum class EraseCheck;

class CellEditor final : public QObject {
public:
    // Characters a name may have when typed; a longer stored name is kept as it is.
    static constexpr int kNameEditorLimit = 6;

    // form is the view the grid sits on; its editors are created by createEditors().
    CellEditor(QWidget& form, CMSFlexGrid& grid, const SettingsPanel& panel, const ToneTable& tones,
               const QFont& font);

    // The six editors, children of the grid, hidden until a cell needs them. Once.
    void createEditors();
    bool editorsCreated() const { return frequencyEditor_ != nullptr; }
    // Hides every editor, dropping what was typed or picked in it.
    void closeEditors();

    // Writes the open editor's value into its cell with every check (a refused frequency is
    // reported and erases the cell), fills or clears the rest of the row to match, and closes
    // the editor. Read From Radio and Write To Radio run it first, so that a transfer starts
    // from committed cells; Save and Print do not, so a value still being typed is not part
    // of what they store or print.
    void CommitCellEdit();
    // Loads the current cell's text into its column's (closed) editor.
    void LoadEditorFromCell();
    // The Edit Data command: commits the open editor, says how to edit, then makes channel 1's
    // Receive cell current with no editor open.
    void OnEditData();
    // Enter in a control of the form, seen before the control gets it. True when handled.
    bool PreTranslateMessage(QObject* receiver, QKeyEvent* event);

    QWidget* EditorForColumn(int column) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectGrid();
    void connectEditors();
    void gridDoubleClicked();
    void gridMouseDown(short button);
    void gridKeyPressed(quint16 key);
    void gridScrolled();
    void ShowCellEditor(quint16 key);
    int CommitOnEnter(QWidget* focus);
    void commitListEditor(QComboBox* editor, bool emptyWithoutFrequency);
    void commitFrequencyEditor(EraseCheck eraseCheck);
    void walkToColumn(int column);
    void placeEditor(QWidget* editor);
    void setFieldText(QLineEdit* field, const QString& text);
    void closeEditor(QWidget* editor);
    QString selectedTone() const;
    std::string checkedFrequency(const QString& typed) const;
    QWidget* formControl(QObject* receiver) const;
    bool isEditor(const QWidget* widget) const;

    QWidget& form_;
    CMSFlexGrid* grid_;
    const SettingsPanel* panel_;
    const ToneTable& tones_;
    QFont font_;
    QLineEdit* frequencyEditor_ = nullptr;
    QLineEdit* nameEditor_ = nullptr;
    QComboBox* toneEditor_ = nullptr;
    QComboBox* powerEditor_ = nullptr;
    QComboBox* scanEditor_ = nullptr;
    QComboBox* busyLockEditor_ = nullptr;
    // The editor the last click on a cell opened, and since when.
    QWidget* clickOpened_ = nullptr;
    QElapsedTimer sinceClickOpened_;
};

} // namespace quorl
