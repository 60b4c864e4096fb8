#pragma once

#include "RadioImage.h"

#include <QDialog>
#include <QObject>

#include <memory>

namespace dialogtest {

enum class Kind { Tot, PttId, Emergency, OptionFunction };

std::unique_ptr<QDialog> makeDialog(Kind kind, quorl::RadioImage& image);
quorl::RadioImage factoryImage();
// Shows the dialog without a modal loop of its own and waits until it has the keyboard.
bool showDialog(QDialog* dialog);
void clickOk(QDialog* dialog);

} // namespace dialogtest

class RadioOptionDialogTest : public QObject {
    Q_OBJECT
private slots:
    void layoutFollowsTheTemplates();
    void openingShowsTheFactoryImage();
    void okStoresTheChoices();
    void leavingWithoutOk();
};

class PttIdDialogTest : public QObject {
    Q_OBJECT
private slots:
    void codeTakesOnlyCodeKeys_data();
    void codeTakesOnlyCodeKeys();
    void enterEscapeAndTabDoNothing();
    void codeHoldsSixteenCharactersTypedOrPasted();
};

class OptionFunctionDialogTest : public QObject {
    Q_OBJECT
private slots:
    void editsTakeOnlyDigits_data();
    void editsTakeOnlyDigits();
    void leavingAnEditChecksItsRange_data();
    void leavingAnEditChecksItsRange();
    void fiveDigitValueShowsInFullAndIsKept();
};
