#include "ListTyping.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace quorl::ui {

namespace {

bool isNumber(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

// The form in which a typed text and an entry's text are compared.
QString comparable(const QString& text) {
    QString form = text.trimmed().toCaseFolded();
    if (isNumber(form))
        while (form.size() > 1 && form.front() == '0')
            form.remove(0, 1);
    return form;
}

int entryNamed(const QComboBox& list, const QString& typed) {
    const QString wanted = comparable(typed);
    for (int i = 0; i < list.count(); ++i)
        if (comparable(list.itemText(i)) == wanted)
            return i;
    return -1;
}

} // namespace

void keepTypingToEntries(QComboBox* list) {
    QObject::connect(list->lineEdit(), &QLineEdit::editingFinished, list,
                     [list] { settleTypedText(list); });
}

void settleTypedText(QComboBox* list) {
    QLineEdit* field = list->lineEdit();
    if (!field)
        return;
    if (const int named = entryNamed(*list, field->text()); named >= 0)
        list->setCurrentIndex(named);
    const int chosen = list->currentIndex();
    const QString shown = chosen >= 0 ? list->itemText(chosen) : QString();
    if (field->text() != shown)
        field->setText(shown);
}

} // namespace quorl::ui
