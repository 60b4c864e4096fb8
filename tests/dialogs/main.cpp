#include "DialogTests.h"

#include "ControlId.h"
#include "EmergencyDialog.h"
#include "IsolatedSettings.h"
#include "OptionFunctionDialog.h"
#include "PttIdDialog.h"
#include "TotDialog.h"

#include <QApplication>
#include <QTest>

namespace dialogtest {

std::unique_ptr<QDialog> makeDialog(Kind kind, quorl::RadioImage& image) {
    switch (kind) {
    case Kind::Tot:
        return std::make_unique<quorl::TotDialog>(image, nullptr);
    case Kind::PttId:
        return std::make_unique<quorl::PttIdDialog>(image, nullptr);
    case Kind::Emergency:
        return std::make_unique<quorl::EmergencyDialog>(image, nullptr);
    case Kind::OptionFunction:
        break;
    }
    return std::make_unique<quorl::OptionFunctionDialog>(image, nullptr);
}

quorl::RadioImage factoryImage() {
    quorl::RadioImage image;
    quorl::resetImage(image);
    return image;
}

bool showDialog(QDialog* dialog) {
    dialog->show();
    return QTest::qWaitForWindowActive(dialog);
}

void clickOk(QDialog* dialog) {
    QTest::mouseClick(quorl::ui::findControl(dialog, quorl::RadioOptionDialog::kIdOk),
                      Qt::LeftButton);
}

} // namespace dialogtest

int main(int argc, char* argv[]) {
    const IsolatedSettings settings;
    QApplication app(argc, argv);
    int failures = 0;
    RadioOptionDialogTest all;
    failures += QTest::qExec(&all, argc, argv);
    PttIdDialogTest pttId;
    failures += QTest::qExec(&pttId, argc, argv);
    OptionFunctionDialogTest optionFunction;
    failures += QTest::qExec(&optionFunction, argc, argv);
    return failures;
}
