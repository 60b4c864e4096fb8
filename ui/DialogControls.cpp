#include "DialogControls.h"

#include "ControlId.h"
#include "DialogUnits.h"
#include "ListTyping.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace quorl::ui {

void placeControl(QWidget* control, const DialogUnits& units, int id, const QRect& du) {
    if (id != 0)
        setControlId(control, id);
    control->setGeometry(units.rect(du.x(), du.y(), du.width(), du.height()));
}

namespace {

template <typename Control>
Control* place(Control* control, const DialogUnits& units, int id, const QRect& du) {
    placeControl(control, units, id, du);
    return control;
}

} // namespace

QComboBox* addComboBox(QWidget* parent, const DialogUnits& units, int id, bool editable,
                       const QStringList& items, const QRect& du) {
    auto* combo = new QComboBox(parent);
    if (editable) {
        // What setEditable(true) does, less building the drop-down list before it is first
        // opened.
        auto* field = new QLineEdit(combo);
        field->setPalette(combo->palette());
        combo->setLineEdit(field);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        keepTypingToEntries(combo);
    }
    combo->addItems(items);
    place(combo, units, id, du);
    fitDropDown(combo);
    return combo;
}

void fitDropDown(QComboBox* combo) {
    const int closedHeight = combo->sizeHint().height();
    const int listHeight = combo->height() - closedHeight;
    combo->resize(combo->width(), closedHeight);
    const int itemHeight = std::max(1, combo->fontMetrics().height());
    combo->setMaxVisibleItems(std::max(1, listHeight / itemHeight));
}

QCheckBox* addCheckBox(QWidget* parent, const DialogUnits& units, int id, const QString& text,
                       const QRect& du) {
    return place(new QCheckBox(text, parent), units, id, du);
}

QLabel* addLabel(QWidget* parent, const DialogUnits& units, const QString& text, const QRect& du,
                 Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    return place(label, units, 0, du);
}

QLineEdit* addLineEdit(QWidget* parent, const DialogUnits& units, int id, int maxLength,
                       const QRect& du) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    return place(edit, units, id, du);
}

QPushButton* addPushButton(QWidget* parent, const DialogUnits& units, int id, const QString& text,
                           const QRect& du) {
    return place(new QPushButton(text, parent), units, id, du);
}

} // namespace quorl::ui
