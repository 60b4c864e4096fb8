#include "SheetCommands.h"

#include "CMSFlexGrid.h"
#include "CZolView.h"
#include "CellBlock.h"
#include "CellEditor.h"
#include "ChannelCodec.h"
#include "ChannelOps.h"
#include "FormTexts.h"
#include "MessageBox.h"
#include "SettingsPanel.h"
#include "TransferController.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <array>

namespace quorl {

namespace {

struct CommandText {
    SheetCommand command;
    const char* text;
    QKeySequence keys;
};

const std::array<CommandText, 12>& commandTexts() {
    static const std::array<CommandText, 12> texts{{
        {SheetCommand::Undo, "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {SheetCommand::Redo, "Redo", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {SheetCommand::Cut, "Cut", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {SheetCommand::Copy, "Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {SheetCommand::Paste, "Paste", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {SheetCommand::InsertChannel, "Insert Empty Channel", {}},
        {SheetCommand::DeleteChannels, "Delete Channels", {}},
        {SheetCommand::EmptyChannels, "Empty Channels", QKeySequence(Qt::Key_Delete)},
        {SheetCommand::MoveUp, "Move Up", QKeySequence(Qt::ALT | Qt::Key_Up)},
        {SheetCommand::MoveDown, "Move Down", QKeySequence(Qt::ALT | Qt::Key_Down)},
        {SheetCommand::SortByReceive, "Sort Selected Channels by Receive Frequency", {}},
        {SheetCommand::SortByName, "Sort Selected Channels by Name", {}},
    }};
    return texts;
}

std::optional<SheetCommand> commandForKey(QKeyCombination key) {
    if (key == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z))
        return SheetCommand::Redo;
    for (const CommandText& text : commandTexts())
        if (!text.keys.isEmpty() && text.keys[0] == key)
            return text.command;
    return std::nullopt;
}

std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

ChannelSheet readSheet(const CMSFlexGrid& grid) {
    ChannelSheet sheet;
    for (int r = 1; r <= kChannelCount; ++r)
        for (int c = kColReceive; c < kChannelColumns; ++c)
            sheet.cell(r, c) = toBytes(grid.TextMatrix(r, c));
    return sheet;
}

QString refusalText(const char* what, const CellRefusal& refusal) {
    const std::string_view heading = kChannelHeadings[static_cast<std::size_t>(refusal.column)];
    return QStringLiteral("Nothing was %1: channel %2, %3: %4.")
        .arg(QLatin1String(what))
        .arg(refusal.at)
        .arg(QLatin1String(heading.data(), static_cast<qsizetype>(heading.size())),
             QString::fromStdString(refusal.message));
}

std::vector<int> shifted(std::vector<int> channels, int by) {
    for (int& channel : channels)
        channel += by;
    return channels;
}

} // namespace

SheetCommands::SheetCommands(CZolView& view, RadioImage& image, const ToneTable& tones)
    : QObject(&view), view_(view), grid_(*view.grid()), cells_(view.cells()),
      panel_(*view.settingsPanel()), image_(image), tones_(tones) {
    recordTimer_.setSingleShot(true);
    recordTimer_.setInterval(0);
    connect(&recordTimer_, &QTimer::timeout, this, &SheetCommands::recordChange);
    connect(&grid_, &CMSFlexGrid::CellsChanged, this, &SheetCommands::recordSoon);
    for (QComboBox* box : panel_.findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, &SheetCommands::recordSoon);
    for (QCheckBox* box : panel_.findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &SheetCommands::recordSoon);
    createMenu();
    connect(&grid_, &CMSFlexGrid::ContextMenu, this, &SheetCommands::popupMenu);
}

void SheetCommands::popupMenu(const QPoint& globalPos) {
    for (const auto& [command, action] : actions_)
        action->setEnabled(applies(command));
    menu_->popup(globalPos);
}

SheetCommands::~SheetCommands() {
    delete menu_;
}

void SheetCommands::createMenu() {
    menu_ = new QMenu;
    for (const CommandText& text : commandTexts()) {
        QAction* action = menu_->addAction(QString::fromLatin1(text.text));
        // Shown as a reminder; the keys themselves go through keyPressed.
        action->setShortcut(text.keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this,
                [this, command = text.command] { run(command); });
        actions_[text.command] = action;
        if (text.command == SheetCommand::Redo || text.command == SheetCommand::Paste ||
            text.command == SheetCommand::EmptyChannels || text.command == SheetCommand::MoveDown)
            menu_->addSeparator();
    }
}

std::vector<int> SheetCommands::targetChannels() const {
    std::vector<int> channels = grid_.SelectedChannels();
    if (!channels.empty())
        return channels;
    const QRect block = grid_.SelectedBlock();
    for (int r = std::max(1, block.top()); r <= std::min(kChannelCount, block.bottom()); ++r)
        channels.push_back(r);
    return channels;
}

bool SheetCommands::applies(SheetCommand command) const {
    // A transfer reads or replaces the image as it goes.
    if (view_.transfer().isRunning())
        return false;
    const std::vector<int> channels = targetChannels();
    switch (command) {
    case SheetCommand::Undo:
        return history_.canUndo();
    case SheetCommand::Redo:
        return history_.canRedo();
    case SheetCommand::Paste:
        return !QApplication::clipboard()->text().isEmpty();
    case SheetCommand::MoveUp:
        return !channels.empty() && channels.front() > 1;
    case SheetCommand::MoveDown:
        return !channels.empty() && channels.back() < kChannelCount;
    case SheetCommand::SortByReceive:
    case SheetCommand::SortByName:
        return channels.size() > 1;
    default:
        return !channels.empty();
    }
}

void SheetCommands::run(SheetCommand command) {
    if (!applies(command))
        return;
    const std::vector<int> channels = targetChannels();
    switch (command) {
    case SheetCommand::Undo:
        return stepHistory(true);
    case SheetCommand::Redo:
        return stepHistory(false);
    case SheetCommand::Copy:
        return copy();
    case SheetCommand::Cut:
        return cut();
    case SheetCommand::Paste:
        return paste();
    case SheetCommand::InsertChannel:
        return insertChannel();
    case SheetCommand::DeleteChannels:
        return changeChannels([&](RadioImage& image) { deleteChannels(image, channels); },
                              {channels.front()});
    case SheetCommand::EmptyChannels:
        return changeChannels([&](RadioImage& image) { emptyChannels(image, channels); }, channels);
    case SheetCommand::MoveUp:
    case SheetCommand::MoveDown: {
        const int by = command == SheetCommand::MoveUp ? -1 : 1;
        return changeChannels([&](RadioImage& image) { shiftChannels(image, channels, by); },
                              shifted(channels, by));
    }
    case SheetCommand::SortByReceive:
    case SheetCommand::SortByName: {
        const SortKey key =
            command == SheetCommand::SortByName ? SortKey::Name : SortKey::ReceiveFrequency;
        return changeChannels([&](RadioImage& image) { sortChannels(image, channels, key); },
                              channels);
    }
    }
}

bool SheetCommands::keyPressed(QObject* receiver, QKeyEvent* event) {
    if (receiver != grid_.focusProxy())
        return false;
    if (event->key() == Qt::Key_Menu) {
        // Under the current cell, as a right click there would open it.
        const int left = grid_.CellLeft() * grid_.logicalDpiX() / CMSFlexGrid::kTwipsPerInch;
        const int bottom = (grid_.CellTop() + grid_.CellHeight()) * grid_.logicalDpiY() /
                           CMSFlexGrid::kTwipsPerInch;
        popupMenu(grid_.mapToGlobal(QPoint(left, bottom)));
        return true;
    }
    const std::optional<SheetCommand> command = commandForKey(event->keyCombination());
    if (!command)
        return false;
    run(*command);
    return true;
}

void SheetCommands::copy() {
    CellBlock block;
    const std::vector<int> channels = grid_.SelectedChannels();
    if (!channels.empty()) {
        for (const int channel : channels) {
            std::vector<std::string> row;
            for (int c = 0; c < kChannelColumns; ++c)
                row.push_back(toBytes(grid_.TextMatrix(channel, c)));
            block.push_back(std::move(row));
        }
    } else {
        const QRect cells = grid_.SelectedBlock();
        for (int r = cells.top(); r <= cells.bottom(); ++r) {
            std::vector<std::string> row;
            for (int c = cells.left(); c <= cells.right(); ++c)
                row.push_back(toBytes(grid_.TextMatrix(r, c)));
            block.push_back(std::move(row));
        }
    }
    QApplication::clipboard()->setText(QString::fromStdString(formatCellBlock(block)));
}

void SheetCommands::cut() {
    copy();
    const std::vector<int> channels = grid_.SelectedChannels();
    if (!channels.empty()) {
        changeChannels([&](RadioImage& image) { emptyChannels(image, channels); }, channels);
        return;
    }
    cells_.CommitCellEdit();
    const QRect block = grid_.SelectedBlock();
    std::vector<PastedCell> empties;
    for (int r = block.top(); r <= block.bottom(); ++r)
        for (int c = block.left(); c <= block.right(); ++c)
            empties.push_back({r, c, {}});
    ChannelSheet sheet = readSheet(grid_);
    const ChannelCellCheck check(tones_, panel_.typeIndex(), panel_.fieldIndex(), "the panel");
    if (const std::optional<CellRefusal> refusal = pasteCells(sheet, empties, check)) {
        ui::messageBox(refusalText("cut", *refusal));
        return;
    }
    for (int r = block.top(); r <= block.bottom(); ++r)
        for (int c = kColReceive; c < kChannelColumns; ++c)
            grid_.SetTextMatrix(r, c, fromBytes(sheet.cell(r, c)));
    recordChange();
}

void SheetCommands::paste() {
    cells_.CommitCellEdit();
    const QRect block = grid_.SelectedBlock();
    CellSelection selection{block.top(), block.left(), block.bottom(), block.right(),
                            grid_.SelectedChannels()};
    const PlacedBlock placed =
        placeBlock(parseCellBlock(QApplication::clipboard()->text().toStdString()), selection);
    ChannelSheet sheet = readSheet(grid_);
    const ChannelCellCheck check(tones_, panel_.typeIndex(), panel_.fieldIndex(), "the panel");
    std::optional<CellRefusal> refusal = placed.refusal;
    if (!refusal)
        refusal = pasteCells(sheet, placed.cells, check);
    if (refusal) {
        ui::messageBox(refusalText("pasted", *refusal));
        return;
    }
    for (int r = 1; r <= kChannelCount; ++r)
        for (int c = kColReceive; c < kChannelColumns; ++c)
            grid_.SetTextMatrix(r, c, fromBytes(sheet.cell(r, c)));
    cells_.LoadEditorFromCell();
    recordChange();
}

void SheetCommands::insertChannel() {
    const int at = targetChannels().front();
    cells_.CommitCellEdit();
    view_.EncodeImage();
    if (channelInUse(image_, kChannelCount)) {
        ui::messageBox(QStringLiteral("Channel 199 is in use: inserting a channel would push it "
                                      "out of the table. Nothing was inserted."));
        return;
    }
    changeChannels([&](RadioImage& image) { insertEmptyChannel(image, at); }, {at});
}

void SheetCommands::changeChannels(const std::function<void(RadioImage&)>& change,
                                   const std::vector<int>& selectAfter) {
    cells_.CommitCellEdit();
    view_.EncodeImage();
    change(image_);
    show(image_);
    grid_.SelectChannels(selectAfter);
    recordChange();
}

void SheetCommands::show(const RadioImage& image) {
    if (&image != &image_)
        image_ = image;
    cells_.closeEditors();
    view_.DecodeImage();
    cells_.LoadEditorFromCell();
}

RadioImage SheetCommands::encodedView() const {
    RadioImage image = image_;
    view_.encodeInto(image);
    return image;
}

void SheetCommands::resetHistory() {
    history_.reset(image_);
    shown_ = encodedView();
    recordTimer_.stop();
}

void SheetCommands::recordChange() {
    recordTimer_.stop();
    RadioImage now = encodedView();
    if (now == shown_)
        return;
    history_.push(now);
    shown_ = now;
}

// A change not yet noted (an open editor's included) is noted first, so that Undo takes it back.
void SheetCommands::stepHistory(bool back) {
    cells_.CommitCellEdit();
    recordChange();
    if (back ? !history_.canUndo() : !history_.canRedo())
        return;
    show(back ? history_.undo() : history_.redo());
    shown_ = encodedView();
    recordTimer_.stop();
}

} // namespace quorl
