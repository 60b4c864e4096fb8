#pragma once

// Controls placed the way a dialog template places them: a rectangle in dialog units
// (x, y, width, height) and the control's id (0 for none).

#include <QRect>
#include <QStringList>

#include <string_view>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorl::ui {

class DialogUnits;

// Gives a control its id (none for 0) and its rectangle in dialog units.
void placeControl(QWidget* control, const DialogUnits& units, int id, const QRect& du);
// A drop-down's rectangle includes its open list: the closed box gets its natural height and
// the rest of the rectangle decides how many entries the open list shows. Typing into an
// editable one chooses an entry (ListTyping.h); it never adds one to the list.
QComboBox* addComboBox(QWidget* parent, const DialogUnits& units, int id, bool editable,
                       const QStringList& items, const QRect& du);
// A drop-down placed over the whole rectangle of itself and its open list gets its natural
// height, and its list as many entries as the rest of the rectangle holds.
void fitDropDown(QComboBox* combo);
QCheckBox* addCheckBox(QWidget* parent, const DialogUnits& units, int id, const QString& text,
                       const QRect& du);
QLabel* addLabel(QWidget* parent, const DialogUnits& units, const QString& text, const QRect& du,
                 Qt::Alignment alignment = Qt::AlignLeft);
QLineEdit* addLineEdit(QWidget* parent, const DialogUnits& units, int id, int maxLength,
                       const QRect& du);
QPushButton* addPushButton(QWidget* parent, const DialogUnits& units, int id, const QString& text,
                           const QRect& du);

// List texts kept as bytes, one character each.
template <typename Texts> QStringList latin1Texts(const Texts& texts) {
    QStringList list;
    for (std::string_view text : texts)
        list.append(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    return list;
}

} // namespace quorl::ui
