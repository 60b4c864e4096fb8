#include "ReportTests.h"

#include "CMainFrame.h"
#include "CZolApp.h"
#include "ChannelFile.h"
#include "CommandTable.h"
#include "MessageRecorder.h"
#include "PreviewPages.h"
#include "ReportPreview.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quorl;

namespace {

std::unique_ptr<CZolApp> startApp() {
    auto app = std::make_unique<CZolApp>();
    if (!app->InitInstance({}))
        return nullptr;
    app->mainFrame()->activateWindow();
    if (!QTest::qWaitForWindowActive(app->mainFrame()))
        return nullptr;
    return app;
}

// Once a modal dialog shows, hands it to the check and closes it.
void inspectNextModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            inspectNextModal(check);
            return;
        }
        check(modal);
        modal->close();
    });
}

} // namespace

void ReportWindowTest::previewShowsTwoPagesSideBySide() {
    auto app = startApp();
    QVERIFY(app);
    QList<int> shown;
    inspectNextModal([&shown](QWidget* modal) {
        auto* preview = qobject_cast<ReportPreview*>(modal);
        QVERIFY(preview);
        auto* pages = preview->findChild<PreviewPages*>();
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        QCOMPARE(pages->sheetRect(0).top(), pages->sheetRect(1).top());
        QVERIFY(pages->sheetRect(0).right() < pages->sheetRect(1).left());
        shown.append(preview->firstPage());
        while (preview->nextButton()->isEnabled()) {
            QTest::mouseClick(preview->nextButton(), Qt::LeftButton);
            shown.append(preview->firstPage());
        }
        QTest::mouseClick(preview->prevButton(), Qt::LeftButton);
        shown.append(preview->firstPage());
    });
    app->mainFrame()->command(kCmdFilePrintPreview)->trigger();
    QCOMPARE(shown, QList<int>({1, 3, 5, 3}));
}

void ReportWindowTest::printDialogOffersPagesOneToSix() {
    auto app = startApp();
    QVERIFY(app);
    bool seen = false;
    inspectNextModal([&seen](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->minPage(), 1);
        QCOMPARE(dialog->maxPage(), 6);
        seen = true;
    });
    QTest::keyClick(app->mainFrame(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(seen);
}

void ReportWindowTest::shellPrintWithoutItsPrinterSaysSo_data() {
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QString>("message");
    QTest::newRow("/pt, a printer that is not there")
        << QStringList{"/pt", "No Such Printer", "driver", "port"}
        << "The printer \"No Such Printer\" cannot be found.";
    QTest::newRow("/p, no printer installed")
        << QStringList{"/p"}
        << "No printer is installed. Choose Print... in the File menu to print the report to "
           "a PDF file.";
}

void ReportWindowTest::shellPrintWithoutItsPrinterSaysSo() {
    QFETCH(QStringList, switches);
    QFETCH(QString, message);
    if (switches.first() == "/p" && !QPrinterInfo::defaultPrinterName().isEmpty())
        QSKIP("this machine has a printer: the test would print on it");
    RadioImage image;
    resetImage(image);
    const QString file = dir.filePath(QStringLiteral("print.sin"));
    QVERIFY(saveChannelFile(file.toStdString(), image).ok);

    ui::MessageRecorder messages;
    CZolApp app;
    QStringList arguments = switches;
    arguments.insert(1, file);
    QVERIFY(!app.InitInstance(arguments));
    QCOMPARE(app.exitCode(), 1);
    QCOMPARE(messages.texts(), QStringList{message});
    QVERIFY(!app.mainFrame()->isVisible());
}
