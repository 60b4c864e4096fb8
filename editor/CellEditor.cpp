// Editing the channel table in place: the grid never edits a cell itself. A click, a
// double-click or a key typed on a cell opens the editor of its column over the cell; leaving
// the cell, pressing Enter or starting a transfer writes the editor's value back with every
// check and keeps the rest of the row consistent with it.

#include "CellEditor.h"

#include "CMSFlexGrid.h"
#include "ChannelRowEdit.h"
#include "ControlId.h"
#include "FitWidthValidator.h"
#include "FormIds.h"
#include "FormTexts.h"
#include "FrequencyCheck.h"
#include "MessageBox.h"
#include "NameValidator.h"
#include "SettingsPanel.h"
#include "ToneTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleHints>
#include <QWindow>

#include <algorithm>
#include <array>
#include <vector>

namespace quorl {

namespace {

// Key codes of ShowCellEditor: no key at all, and the Enter walk.
constexpr quint16 kNoKey = 0;
constexpr quint16 kEnterWalk = 13;
constexpr quint16 kFirstPrintable = 32;

constexpr short kRightButton = 2;
// Pixels left and above the cell's measured corner, and the height of a dropped list.
constexpr int kCellOffset = 3;
constexpr int kDroppedListHeight = 100;

const QString kPleaseInputNumber = QStringLiteral("Please input Number");

std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

ChannelRow readRow(const CMSFlexGrid& grid, int row) {
    ChannelRow cells;
    for (int c = kColReceive; c < kChannelColumns; ++c)
        cells[c] = toBytes(grid.TextMatrix(row, c));
    return cells;
}

// Writes back only the cells that changed, so that a cell the row rules did not touch keeps
// its text exactly, whatever characters it holds.
void writeRow(CMSFlexGrid& grid, int row, const ChannelRow& cells) {
    for (int c = kColReceive; c < kChannelColumns; ++c)
        if (toBytes(grid.TextMatrix(row, c)) != cells[c])
            grid.SetTextMatrix(row, c, fromBytes(cells[c]));
}

std::vector<std::string> listEntries(const QComboBox& list) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        entries.push_back(toBytes(list.itemText(i)));
    return entries;
}

template <typename Editor> Editor* makeEditor(QWidget* grid, int id, const QFont& font) {
    auto* editor = new Editor(grid);
    ui::setControlId(editor, id);
    editor->setFont(font);
    editor->setGeometry(QRect());
    editor->hide();
    return editor;
}

template <std::size_t N>
QComboBox* makeListEditor(QWidget* grid, int id, const QFont& font,
                          const std::array<std::string_view, N>& entries) {
    auto* editor = makeEditor<QComboBox>(grid, id, font);
    for (const std::string_view entry : entries)
        editor->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    return editor;
}

} // namespace

CellEditor::CellEditor(QWidget& form, CMSFlexGrid& grid, const SettingsPanel& panel,
                       const ToneTable& tones, const QFont& font)
    : QObject(&form), form_(form), grid_(&grid), panel_(&panel), tones_(tones), font_(font) {
    connectGrid();
}

void CellEditor::createEditors() {
    frequencyEditor_ = makeEditor<QLineEdit>(grid_, kIdFrequencyEditor, font_);
    frequencyEditor_->setFrame(false);
    frequencyEditor_->setValidator(new FitWidthValidator(frequencyEditor_));
    nameEditor_ = makeEditor<QLineEdit>(grid_, kIdNameEditor, font_);
    nameEditor_->setFrame(false);
    nameEditor_->setValidator(new NameValidator(nameEditor_));

    powerEditor_ = makeListEditor(grid_, kIdPowerEditor, font_, kTxPowerEntries);
    scanEditor_ = makeListEditor(grid_, kIdScanEditor, font_, kScanEntries);
    busyLockEditor_ = makeListEditor(grid_, kIdBusyLockEditor, font_, kBusyLockEntries);

    toneEditor_ = makeEditor<QComboBox>(grid_, kIdToneEditor, font_);
    toneEditor_->setEditable(true);
    toneEditor_->setInsertPolicy(QComboBox::NoInsert);
    toneEditor_->setCompleter(nullptr);
    QStringList tones;
    tones.reserve(static_cast<qsizetype>(tones_.size()));
    for (const std::string& tone : tones_.entries())
        tones.append(fromBytes(tone));
    toneEditor_->addItems(tones);
    connectEditors();
    for (int column : {kColReceive, kColRxTone, kColScan, kColTxPower, kColBusyLock, kColName}) {
        QWidget* editor = EditorForColumn(column);
        editor->installEventFilter(this);
        for (QWidget* part : editor->findChildren<QWidget*>())
            part->installEventFilter(this);
    }
}

void CellEditor::closeEditors() {
    frequencyEditor_->clear();
    frequencyEditor_->hide();
    nameEditor_->clear();
    nameEditor_->setMaxLength(kNameEditorLimit);
    nameEditor_->hide();
    toneEditor_->hide();
    powerEditor_->hide();
    scanEditor_->hide();
    busyLockEditor_->hide();
}

QWidget* CellEditor::EditorForColumn(int column) const {
    switch (column) {
    case kColRxTone:
    case kColTxTone:
        return toneEditor_;
    case kColScan:
        return scanEditor_;
    case kColTxPower:
        return powerEditor_;
    case kColBusyLock:
        return busyLockEditor_;
    case kColName:
        return nameEditor_;
    default:
        return frequencyEditor_;
    }
}

void CellEditor::connectGrid() {
    connect(grid_, &CMSFlexGrid::DblClick, this, &CellEditor::gridDoubleClicked);
    connect(grid_, &CMSFlexGrid::MouseDown, this,
            [this](short button, short, int, int) { gridMouseDown(button); });
    connect(grid_, &CMSFlexGrid::KeyPress, this, [this](quint16* key) { gridKeyPressed(*key); });
    connect(grid_, &CMSFlexGrid::EnterCell, this, &CellEditor::LoadEditorFromCell);
    connect(grid_, &CMSFlexGrid::LeaveCell, this, &CellEditor::CommitCellEdit);
    connect(grid_, &CMSFlexGrid::Scroll, this, &CellEditor::gridScrolled);
}

void CellEditor::connectEditors() {
    // Typing into the tone field leaves the list: its text, not an entry, is the value now.
    connect(toneEditor_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        QLineEdit* field = toneEditor_->lineEdit();
        const int caret = field->cursorPosition();
        toneEditor_->setCurrentIndex(-1);
        field->setText(text);
        field->setCursorPosition(caret);
    });
    // A stored name may be longer than a typed one may grow: the limit never cuts it.
    connect(nameEditor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        nameEditor_->setMaxLength(std::max<int>(kNameEditorLimit, text.size()));
    });
}

void CellEditor::gridDoubleClicked() {
    if (editorsCreated() && grid_->Row() != 0 && grid_->Col() != 0)
        ShowCellEditor(kNoKey);
}

void CellEditor::gridMouseDown(short button) {
    if (editorsCreated() && button != kRightButton && grid_->Row() != 0 && grid_->Col() != 0) {
        ShowCellEditor(kNoKey);
        clickOpened_ = EditorForColumn(grid_->Col());
        sinceClickOpened_.start();
    }
}

// A click opens the editor under the pointer. Should it be the first of a double-click, the
// second click is the grid's double-click, not the editor's: in the editor it would select a
// single word or drop the list down.
bool CellEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    const auto* part = static_cast<QWidget*>(watched);
    const bool secondClick =
        clickOpened_ && (part == clickOpened_ || clickOpened_->isAncestorOf(part)) &&
        !sinceClickOpened_.hasExpired(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (secondClick && event->type() == QEvent::MouseButtonDblClick)
        gridDoubleClicked();
    return secondClick;
}

// Typing never opens the Tx Power list: its two entries are chosen with the mouse.
void CellEditor::gridKeyPressed(quint16 key) {
    if (editorsCreated() && grid_->Row() != 0 && grid_->Col() != 0 && grid_->Col() != kColTxPower)
        ShowCellEditor(key);
}

// An editor cannot follow its cell while the grid scrolls: it closes, and what was typed or
// picked in it is dropped. Loading it again keeps the closed editor in step with the cell.
void CellEditor::gridScrolled() {
    if (!editorsCreated())
        return;
    for (int column : {kColReceive, kColRxTone, kColScan, kColTxPower, kColBusyLock, kColName})
        closeEditor(EditorForColumn(column));
    LoadEditorFromCell();
    grid_->Refresh();
}

void CellEditor::LoadEditorFromCell() {
    if (!editorsCreated() || grid_->Row() == 0)
        return;
    const QString text = grid_->Text();
    QWidget* editor = EditorForColumn(grid_->Col());
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(static_cast<int>(matchListEntry(listEntries(*list), toBytes(text))));
    else
        setFieldText(static_cast<QLineEdit*>(editor), text);
}

void CellEditor::ShowCellEditor(quint16 key) {
    QWidget* editor = EditorForColumn(grid_->Col());
    auto* list = qobject_cast<QComboBox*>(editor);
    auto* field = qobject_cast<QLineEdit*>(editor);
    const bool printable = key >= kFirstPrintable;
    const QString keyText = printable ? QString(QChar(key)) : QString();

    QString typed; // what the edit box shows over an empty cell
    if (printable) {
        if (field)
            typed = field->text();
        if (key >= '0' && key <= '9')
            typed += keyText;
        else
            ui::messageBox(kPleaseInputNumber);
    }

    placeEditor(editor);
    if (list) {
        // Only the tone list has a text field; the other lists keep their selection.
        if (printable && list->isEditable()) {
            list->setCurrentIndex(-1);
            list->setEditText(keyText);
        }
    } else {
        const QString cell = grid_->Text();
        setFieldText(field, cell.isEmpty() ? typed : (printable ? keyText : cell));
        if (printable)
            field->end(false);
        else
            field->selectAll();
    }

    editor->raise();
    editor->show();
    editor->setFocus();
    // The tone list's entry stands selected in its text field, so typing replaces it.
    if (list && list->isEditable() && !printable)
        list->lineEdit()->selectAll();
    grid_->Refresh();
}

// The cell's rectangle comes in twips from the grid; the editor is placed in the grid's
// pixels by its resolution. A drop-down's rectangle includes its dropped list: the box itself
// covers the cell and the list below it gets the rest.
void CellEditor::placeEditor(QWidget* editor) {
    const int dpiX = grid_->logicalDpiX();
    const int dpiY = grid_->logicalDpiY();
    const int left = grid_->CellLeft() * dpiX / CMSFlexGrid::kTwipsPerInch - kCellOffset;
    const int top = grid_->CellTop() * dpiY / CMSFlexGrid::kTwipsPerInch - kCellOffset;
    const int width = grid_->CellWidth() * dpiX / CMSFlexGrid::kTwipsPerInch;
    const int height = grid_->CellHeight() * dpiY / CMSFlexGrid::kTwipsPerInch;
    editor->setGeometry(left, top, width, height);
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        const int entryHeight = std::max(1, list->view()->sizeHintForRow(0));
        list->setMaxVisibleItems(std::max(1, kDroppedListHeight / entryHeight));
    }
}

void CellEditor::setFieldText(QLineEdit* field, const QString& text) {
    if (field == nameEditor_)
        nameEditor_->setMaxLength(std::max<int>(kNameEditorLimit, text.size()));
    field->setText(text);
}

// Hiding the control that has the focus would pass the focus on along the form; it goes
// back to the grid instead, where the user was working.
void CellEditor::closeEditor(QWidget* editor) {
    const QWidget* focus = form_.window()->focusWidget();
    if (focus && (focus == editor || editor->isAncestorOf(focus)))
        grid_->setFocus();
    editor->hide();
}

void CellEditor::CommitCellEdit() {
    if (!editorsCreated())
        return;
    const int r = grid_->Row();
    const int c = grid_->Col();
    if (r == 0)
        return;
    QWidget* editor = EditorForColumn(c);
    if (editor->isHidden())
        return;

    if (editor == toneEditor_) {
        grid_->SetTextMatrix(r, c,
                             rowHasFrequency(readRow(*grid_, r)) ? selectedTone() : QString());
    } else if (editor == nameEditor_) {
        grid_->SetTextMatrix(r, c, nameEditor_->text());
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        commitListEditor(list, true);
    } else {
        commitFrequencyEditor(EraseCheck::FrequenciesAndTones);
    }
    closeEditor(editor);
}

// The tone list's value: its selected entry, or the entry its typed text names.
QString CellEditor::selectedTone() const {
    if (toneEditor_->currentIndex() >= 0)
        return toneEditor_->currentText();
    return fromBytes(resolveToneText(tones_, toBytes(toneEditor_->currentText())));
}

void CellEditor::commitListEditor(QComboBox* editor, bool emptyWithoutFrequency) {
    const int r = grid_->Row();
    if (rowHasFrequency(readRow(*grid_, r)))
        grid_->SetText(editor->currentText());
    else if (emptyWithoutFrequency)
        grid_->SetText(QString());
}

void CellEditor::commitFrequencyEditor(EraseCheck eraseCheck) {
    const int r = grid_->Row();
    ChannelRow row = readRow(*grid_, r);
    commitFrequency(row, r, grid_->Col(), checkedFrequency(frequencyEditor_->text()), eraseCheck);
    writeRow(*grid_, r, row);
}

// The text a frequency cell takes from what was typed: the checked frequency, or empty when
// nothing was typed or a check refused it (with its message).
std::string CellEditor::checkedFrequency(const QString& typed) const {
    if (typed.isEmpty())
        return {};
    const FrequencyCheck check =
        checkFrequency(typed.toStdString(), bandLimit(panel_->typeIndex(), panel_->fieldIndex()));
    if (check.verdict != FrequencyVerdict::Accepted) {
        const std::string_view message = frequencyMessage(check.verdict);
        ui::messageBox(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    }
    return check.text;
}

// Enter commits the open editor and opens the next one along the row, so that a whole
// channel is typed with the keyboard alone. Returns the key the focused control gets in
// place of Enter, or 0 when Enter has done all it does.
int CellEditor::CommitOnEnter(QWidget* focus) {
    const int r = grid_->Row();
    const int c = grid_->Col();
    if (focus == frequencyEditor_) {
        commitFrequencyEditor(EraseCheck::FrequenciesOnly);
        closeEditor(frequencyEditor_);
        walkToColumn(c + 1);
    } else if (focus == scanEditor_ || focus == powerEditor_ || focus == busyLockEditor_) {
        auto* list = static_cast<QComboBox*>(focus);
        commitListEditor(list, false);
        closeEditor(list);
        walkToColumn(c + 1);
    } else if (focus == nameEditor_) {
        if (rowHasFrequency(readRow(*grid_, r)))
            grid_->SetText(nameEditor_->text());
        closeEditor(nameEditor_);
        if (r < kChannelCount) {
            grid_->SetRow(r + 1);
            grid_->SetCol(kColReceive);
            ShowCellEditor(kEnterWalk);
        }
    } else if (focus == grid_ || (grid_->isAncestorOf(focus) && !isEditor(focus))) {
        // On the grid Enter moves one cell to the right; at Tx Power it leaves the table.
        return c == kColTxPower ? Qt::Key_Tab : Qt::Key_Right;
    } else if (!toneEditor_->isHidden()) {
        const QString tone =
            rowHasFrequency(readRow(*grid_, r))
                ? fromBytes(resolveToneText(tones_, toBytes(toneEditor_->currentText())))
                : QString();
        grid_->SetText(tone);
        closeEditor(toneEditor_);
        walkToColumn(c + 1);
    } else {
        return Qt::Key_Tab;
    }
    return 0;
}

void CellEditor::walkToColumn(int column) {
    grid_->SetCol(column);
    ShowCellEditor(kEnterWalk);
}

bool CellEditor::isEditor(const QWidget* widget) const {
    for (int column : {kColReceive, kColRxTone, kColScan, kColTxPower, kColBusyLock, kColName}) {
        const QWidget* editor = EditorForColumn(column);
        if (widget == editor || editor->isAncestorOf(widget))
            return true;
    }
    return false;
}

// The control of the form a key went to: the receiver itself, or the drop-down whose open
// list took the key. Null for anything outside the form.
QWidget* CellEditor::formControl(QObject* receiver) const {
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget && widget->window()->windowType() == Qt::Popup)
        widget = qobject_cast<QComboBox*>(widget->window()->parentWidget());
    if (!widget || (widget != &form_ && !form_.isAncestorOf(widget)))
        return nullptr;
    return widget;
}

bool CellEditor::PreTranslateMessage(QObject* receiver, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    QWidget* focus = formControl(receiver);
    if (!focus || !editorsCreated())
        return false;
    if (const int handOn = CommitOnEnter(focus)) {
        QKeyEvent replaced(QEvent::KeyPress, handOn, event->modifiers());
        QCoreApplication::sendEvent(focus, &replaced);
    }
    return true;
}

// The open editor is committed first: moving to a cell that is already current would leave it
// open, and typing would go on in it.
void CellEditor::OnEditData() {
    CommitCellEdit();
    ui::messageBox(QStringLiteral("Please directly double click inside the table"));
    grid_->SetCol(kColReceive);
    grid_->SetRow(1);
}

} // namespace quorl
