#pragma once

// Spreadsheet-like editing of the channel table: the selection, the clipboard, the channel
// operations and undo. Every gesture maps to a function of the radio library; this class only
// takes the texts to and from the table. A channel operation works on the image, where each
// channel moves whole, every byte it holds included: the table is encoded first and shown again
// after.
//
// Undo keeps each state of the document as the image a Save would store. A change is noticed
// once the event that made it is over: a committed cell, a panel choice, a paste, a channel
// operation, a read from the radio, an option dialog's OK. New and Open start a fresh history.
//
// The keys (Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z, Delete, Alt+Up, Alt+Down) are
// the table's while it has the focus, that is while no editor is open; inside an editor they
// stay the editor's.

#include "ImageHistory.h"
#include "RadioImage.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;

namespace quorl {

class CMSFlexGrid;
class CZolView;
class CellEditor;
class SettingsPanel;
class ToneTable;

enum class SheetCommand {
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    InsertChannel,
    DeleteChannels,
    EmptyChannels,
    MoveUp,
    MoveDown,
    SortByReceive,
    SortByName,
};

class SheetCommands final : public QObject {
public:
    SheetCommands(CZolView& view, RadioImage& image, const ToneTable& tones);
    ~SheetCommands() override;

    void run(SheetCommand command);
    // Greyed where it does not apply to the selection, the clipboard or the history.
    bool applies(SheetCommand command) const;

    // The document as it stands now becomes the first state of a new history.
    void resetHistory();
    // Notes a change of the document, once the event that made it is over.
    void recordSoon() { recordTimer_.start(); }
    // Notes the document as it stands now as a new state if it differs from the last one.
    void recordChange();

    // A key about to reach a control; true when it was one of the table's keys and is done.
    bool keyPressed(QObject* receiver, QKeyEvent* event);

    QAction* action(SheetCommand command) const { return actions_.at(command); }
    const ImageHistory& history() const { return history_; }

private:
    void createMenu();
    void popupMenu(const QPoint& globalPos);
    void copy();
    void cut();
    void paste();
    // Undo when `back`, else Redo.
    void stepHistory(bool back);
    void insertChannel();
    // Commits the open editor, encodes the table, runs the change on the image and shows it.
    void changeChannels(const std::function<void(RadioImage&)>& change,
                        const std::vector<int>& selectAfter);
    void show(const RadioImage& image);
    RadioImage encodedView() const;
    // Whole channels picked, else the rows the selected cells span.
    std::vector<int> targetChannels() const;

    CZolView& view_;
    CMSFlexGrid& grid_;
    CellEditor& cells_;
    const SettingsPanel& panel_;
    RadioImage& image_;
    const ToneTable& tones_;
    ImageHistory history_;
    RadioImage shown_{}; // the state the table and panel stood at when last recorded
    QTimer recordTimer_;
    QMenu* menu_ = nullptr;
    std::map<SheetCommand, QAction*> actions_;
};

} // namespace quorl
