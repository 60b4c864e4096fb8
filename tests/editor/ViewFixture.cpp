#include "ViewFixture.h"

#include "CMSFlexGrid.h"
#include "CellEditor.h"
#include "FindControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace quorl;

namespace {
constexpr int kChannelColumns = 8;
}

void ViewFixture::createView() {
    resetImage(image);
    frame = std::make_unique<QMainWindow>();
    frame->resize(800, 1100);
    view = new CZolView(image, tones);
    frame->setCentralWidget(view);
}

bool ViewFixture::showView() {
    view->OnInitialUpdate();
    frame->show();
    if (!QTest::qWaitForWindowActive(frame.get()))
        return false;
    messages = std::make_unique<ui::MessageRecorder>();
    return true;
}

void ViewFixture::closeView() {
    messages.reset();
    frame.reset();
}

CMSFlexGrid* ViewFixture::grid() const {
    return view->grid();
}

QTableView* ViewFixture::table() const {
    return grid()->findChild<QTableView*>();
}

QComboBox* ViewFixture::combo(int id) const {
    return test::findControl<QComboBox>(view, id);
}

QLineEdit* ViewFixture::lineEdit(int id) const {
    return test::findControl<QLineEdit>(view, id);
}

QCheckBox* ViewFixture::check(int id) const {
    return test::findControl<QCheckBox>(view, id);
}

QWidget* ViewFixture::focus() const {
    return QApplication::focusWidget();
}

QWidget* ViewFixture::openEditor() const {
    QWidget* open = nullptr;
    for (int c = 1; c <= kChannelColumns; ++c)
        if (!view->cells().EditorForColumn(c)->isHidden())
            open = view->cells().EditorForColumn(c);
    return open;
}

QStringList ViewFixture::row(int r) const {
    QStringList texts;
    for (int c = 1; c <= kChannelColumns; ++c)
        texts.append(grid()->TextMatrix(r, c));
    return texts;
}

void ViewFixture::setRow(int r, const QStringList& texts) {
    for (int c = 1; c <= kChannelColumns; ++c)
        grid()->SetTextMatrix(r, c, texts[c - 1]);
}

QRect ViewFixture::cellRect(int row, int col) const {
    return table()->visualRect(table()->model()->index(row - 1, col - 1));
}

void ViewFixture::click(int row, int col, Qt::MouseButton button) {
    QTest::mouseClick(table()->viewport(), button, {}, cellRect(row, col).center());
}

void ViewFixture::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(focus(), key, modifiers);
}
