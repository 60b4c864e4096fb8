#pragma once

// The form view of a fresh image in a window of its own, large enough for the whole form, and
// the ways a test reaches its table and controls. A test class derives from it and calls
// createView() and closeView() around each case.

#include "CZolView.h"
#include "MessageRecorder.h"
#include "RadioImage.h"
#include "ToneTable.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableView;

namespace quorl {
class CMSFlexGrid;
}

class ViewFixture {
protected:
    // A view of a reset image in a new frame, not yet filled nor shown.
    void createView();
    // Fills the view and shows its frame; from then on message boxes are recorded. False when
    // the frame did not become active.
    [[nodiscard]] bool showView();
    void closeView();

    quorl::CMSFlexGrid* grid() const;
    QTableView* table() const;
    QComboBox* combo(int id) const;
    QLineEdit* lineEdit(int id) const;
    QCheckBox* check(int id) const;
    QWidget* focus() const;
    // The cell editor that is open, or null.
    QWidget* openEditor() const;

    // Rows and columns count from 1, as the grid's channel cells do.
    QStringList row(int r) const;
    void setRow(int r, const QStringList& texts);
    QRect cellRect(int row, int col) const;
    void click(int row, int col, Qt::MouseButton button = Qt::LeftButton);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {});

    quorl::ToneTable tones;
    quorl::RadioImage image{};
    std::unique_ptr<QMainWindow> frame;
    quorl::CZolView* view = nullptr;
    std::unique_ptr<quorl::ui::MessageRecorder> messages;
};
