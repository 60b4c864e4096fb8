#include "AppTestSupport.h"

#include "CMainFrame.h"
#include "CZolApp.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace apptest {

std::unique_ptr<CZolApp> startApp() {
    auto app = std::make_unique<CZolApp>();
    if (!app->InitInstance({}))
        return nullptr;
    app->mainFrame()->activateWindow();
    if (!QTest::qWaitForWindowActive(app->mainFrame()))
        return nullptr;
    return app;
}

void typeIntoNextFileDialog(const QString& name, const QString& filter) {
    QTimer::singleShot(0, [name, filter] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            typeIntoNextFileDialog(name, filter);
            return;
        }
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; !filter.isEmpty() && types->currentText() != filter && i < types->count();
             ++i)
            QTest::keyClick(types, Qt::Key_Down);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        // Typing would open the completer, which takes the Enter for itself.
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
        // A dialog that did not take the name must not keep the test waiting.
        QTimer::singleShot(2000, dialog, &QDialog::reject);
    });
}

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

QByteArray imageBytes(const quorl::RadioImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()),
                      static_cast<qsizetype>(image.size()));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
std::uint8_t bcd(std::uint32_t twoDigits) {
    return static_cast<std::uint8_t>((twoDigits / 10) * 16 + twoDigits % 10);
}
} // namespace

void putChannel(quorl::RadioImage& image, int channel, std::uint32_t receive,
                std::uint32_t transmit, const char* name) {
    const std::size_t at = quorl::channelRecordOffset(channel);
    for (int i = 0; i < 4; ++i) {
        image[at + i] = bcd(receive % 100);
        image[at + 4 + i] = bcd(transmit % 100);
        receive /= 100;
        transmit /= 100;
    }
    image[at + 12] = 0xFC; // High, Scan, busy lock "No"
    for (std::size_t i = 0; name[i]; ++i)
        image[quorl::channelNameOffset(channel) + i] = static_cast<std::uint8_t>(name[i]);
}

QMenu* menuNamed(QWidget* frame, const QString& title) {
    auto* mainWindow = qobject_cast<QMainWindow*>(frame);
    for (QAction* action : mainWindow->menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

} // namespace apptest
