#include "AppTestSupport.h"
#include "AppTests.h"
#include "CMSFlexGrid.h"
#include "CMainFrame.h"
#include "CZolApp.h"
#include "CZolView.h"
#include "CellEditor.h"
#include "ChannelCodec.h"
#include "ChannelFile.h"
#include "CommandTable.h"
#include "FileNames.h"
#include "FindControl.h"
#include "FormIds.h"
#include "MessageRecorder.h"

#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

#include <fstream>
#include <sys/stat.h>

using namespace quorl;
using namespace apptest;

namespace {

// A size that stands for a named pipe instead of a file.
constexpr int kNamedPipe = -2;

// An image with three channels in use and the settings as after New.
RadioImage imageWithChannels() {
    RadioImage image;
    resetImage(image);
    putChannel(image, 1, 44600625, 44600625, "HOME");
    putChannel(image, 12, 14550000, 14450000, "RPT");
    putChannel(image, 199, 43000000, 43000000, "LAST1234");
    return image;
}

QStringList row(const CZolApp& app, int r) {
    QStringList texts;
    for (int c = 1; c <= 8; ++c)
        texts.append(app.view()->grid()->TextMatrix(r, c));
    return texts;
}

} // namespace

void FileCommandsTest::init() {
    QSettings().clear();
    QVERIFY(dir.isValid());
}

void FileCommandsTest::newShowsTheFactoryImage() {
    auto app = startApp();
    QVERIFY(app);
    QVERIFY(app->OpenDocumentFile([this] {
        const QString path = dir.filePath("full.sin");
        writeFile(path, imageBytes(imageWithChannels()));
        return path;
    }()));
    QTest::keyClick(app->mainFrame(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(app->document().pathName().isEmpty());
    QCOMPARE(row(*app, 1), QStringList(8));
    QCOMPARE(row(*app, 199), QStringList(8));
    RadioImage factory;
    resetImage(factory);
    QCOMPARE(imageBytes(app->document().image()), imageBytes(factory));
    QCOMPARE(app->mainFrame()->windowTitle(), "QUORL Programming Software");
}

void FileCommandsTest::openShowsTheFileAndKeepsTheCaption() {
    const QString path = dir.filePath("known.sin");
    writeFile(path, imageBytes(imageWithChannels()));
    auto app = startApp();
    QVERIFY(app);

    typeIntoNextFileDialog(path);
    QTest::keyClick(app->mainFrame(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(app->document().pathName(), path);
    QCOMPARE(row(*app, 1),
             QStringList({"446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "HOME"}));
    QCOMPARE(row(*app, 12),
             QStringList({"145.50000", "144.50000", "OFF", "OFF", "Yes", "High", "No", "RPT"}));
    QCOMPARE(row(*app, 199).last(), "LAST1234");
    QCOMPARE(row(*app, 2), QStringList(8));
    QCOMPARE(app->mainFrame()->windowTitle(), "QUORL Programming Software");
    QCOMPARE(app->recentFiles().paths(), QStringList{path});
}

void FileCommandsTest::saveAfterNewAsksForANameAndWritesTheFactoryImage() {
    auto app = startApp();
    QVERIFY(app);
    // Typed without an extension: ".sin" is added.
    typeIntoNextFileDialog(dir.filePath("fresh"));
    QTest::keyClick(app->mainFrame(), Qt::Key_S, Qt::ControlModifier);
    const QString saved = dir.filePath("fresh.sin");
    QCOMPARE(app->document().pathName(), saved);

    const QByteArray bytes = readFile(saved);
    QCOMPARE(bytes.size(), 8192);
    for (int channel = 1; channel <= 199; ++channel) {
        const qsizetype at = static_cast<qsizetype>(channelRecordOffset(channel));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(quint8(bytes[at + i]), quint8(i == 12 ? 0xCE : 0xFF));
    }
    QCOMPARE(bytes.mid(0x0C90, 199 * 8), QByteArray(199 * 8, '\xFF'));
    RadioImage factory;
    resetImage(factory);
    QCOMPARE(bytes.mid(0x1810), imageBytes(factory).mid(0x1810));
    QCOMPARE(quint8(bytes[0x1816]), quint8(0x00));
    QCOMPARE(app->recentFiles().paths(), QStringList{saved});
}

void FileCommandsTest::openThenSaveChangesOnlyWhatTheTableNormalises() {
    RadioImage image = imageWithChannels();
    // Bytes nobody interprets hold anything at all.
    QRandomGenerator random(4711);
    for (auto [from, to] :
         {std::pair{0x0C70, 0x0C90}, {0x12C8, 0x1810}, {0x1839, 0x1F00}, {0x1F02, 0x2000}})
        for (int at = from; at < to; ++at)
            image[at] = static_cast<std::uint8_t>(random.bounded(256));
    image[kSquelchLevel] = 12;
    image[0x1816] = 0x5A;
    const QString path = dir.filePath("roundtrip.sin");
    writeFile(path, imageBytes(image));

    auto app = startApp();
    QVERIFY(app);
    QVERIFY(app->OpenDocumentFile(path));
    app->mainFrame()->command(kCmdFileSave)->trigger();
    const QByteArray saved = readFile(path);
    const QByteArray original = imageBytes(image);
    QCOMPARE(saved.size(), 8192);
    for (int at = 0; at < 8192; ++at) {
        if (at == kSquelchLevel || at == 0x1816)
            continue;
        const bool emptyRecordFlags =
            at < 0x0C70 && at % 16 == 12 && at / 16 != 0 && at / 16 != 11 && at / 16 != 198;
        if (emptyRecordFlags)
            QCOMPARE(quint8(saved[at]), quint8(0xCE));
        else
            QVERIFY2(saved[at] == original[at], qPrintable(QString::number(at, 16)));
    }
    QCOMPARE(quint8(saved[kSquelchLevel]), quint8(0));
    QCOMPARE(quint8(saved[0x1816]), quint8(0));
}

void FileCommandsTest::failedOpenChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("reason");
    QTest::newRow("100 bytes")
        << "short.sin" << 100
        << "The file ends after 100 bytes; a channel data file holds 8192 bytes";
    QTest::newRow("empty") << "empty.sin" << 0
                           << "The file ends after 0 bytes; a channel data file holds 8192 bytes";
    QTest::newRow("missing") << "missing.sin" << -1 << "No such file or directory";
    QTest::newRow("named pipe") << "pipe.sin" << kNamedPipe << "It is not a regular file";
}

void FileCommandsTest::failedOpenChangesNothing() {
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, reason);
    const QString good = dir.filePath("good.sin");
    writeFile(good, imageBytes(imageWithChannels()));
    const QString bad = dir.filePath(name);
    if (size >= 0)
        writeFile(bad, QByteArray(size, '\x11'));
    else if (size == kNamedPipe)
        QCOMPARE(::mkfifo(QFile::encodeName(bad).constData(), 0600), 0);

    auto app = startApp();
    QVERIFY(app);
    QVERIFY(app->OpenDocumentFile(good));
    app->view()->grid()->SetTextMatrix(5, 8, "EDITED");
    const QByteArray imageBefore = imageBytes(app->document().image());

    ui::MessageRecorder messages;
    QVERIFY(!app->OpenDocumentFile(bad));
    QCOMPARE(messages.texts(), QStringList{"Cannot open the file \"" + bad + "\".\n" + reason});
    QCOMPARE(app->document().pathName(), good);
    QCOMPARE(imageBytes(app->document().image()), imageBefore);
    QCOMPARE(app->view()->grid()->TextMatrix(5, 8), "EDITED");
    QCOMPARE(app->recentFiles().paths(), QStringList{good});
}

void FileCommandsTest::failedSaveNamesTheFile() {
    QTemporaryDir gone;
    const QString path = gone.filePath("vanishing.sin");
    writeFile(path, imageBytes(imageWithChannels()));
    auto app = startApp();
    QVERIFY(app);
    QVERIFY(app->OpenDocumentFile(path));
    QVERIFY(gone.remove());

    ui::MessageRecorder messages;
    app->mainFrame()->command(kCmdFileSave)->trigger();
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts()[0].startsWith("Cannot save the file \"" + path + "\"."));
    QCOMPARE(app->document().pathName(), path);
}

// The first recent file opens like any other: the document takes its name, so a later Save
// writes to the file that was opened and to no other.
void FileCommandsTest::recentFileOneOpensTheStandardWay() {
    const QString first = dir.filePath("first.sin");
    const QString second = dir.filePath("second.sin");
    RadioImage secondImage;
    resetImage(secondImage);
    putChannel(secondImage, 3, 43000000, 43000000, "TWO");
    writeFile(first, imageBytes(imageWithChannels()));
    writeFile(second, imageBytes(secondImage));

    auto app = startApp();
    QVERIFY(app);
    QVERIFY(app->OpenDocumentFile(first));
    QVERIFY(app->OpenDocumentFile(second));
    QMenu* file = menuNamed(app->mainFrame(), "&File");
    QAction* recent1 = app->mainFrame()->command(kCmdFileRecent1);
    QVERIFY(recent1->text().startsWith("&1 ") && recent1->text().endsWith("second.sin"));
    QVERIFY(app->mainFrame()->command(kCmdFileRecent1 + 1)->text().endsWith("first.sin"));
    QVERIFY(!app->mainFrame()->command(kCmdFileRecent1 + 2)->isVisible());
    QVERIFY(file->actions().contains(recent1));

    QTest::keyClick(app->mainFrame(), Qt::Key_N, Qt::ControlModifier);
    recent1->trigger();
    QCOMPARE(app->document().pathName(), second);
    QCOMPARE(row(*app, 3).last(), "TWO");

    app->view()->grid()->SetTextMatrix(3, 8, "NEW");
    const QByteArray firstBefore = readFile(first);
    app->mainFrame()->command(kCmdFileSave)->trigger();
    QCOMPARE(readFile(first), firstBefore);
    QCOMPARE(readFile(second).mid(static_cast<qsizetype>(channelNameOffset(3)), 4),
             QByteArray("NEW\xFF"));

    app->mainFrame()->command(kCmdFileRecent1 + 1)->trigger();
    QCOMPARE(app->document().pathName(), first);
    QCOMPARE(app->recentFiles().paths(), QStringList({first, second}));
}

void FileCommandsTest::recentFileThatIsGoneIsDropped() {
    const QString kept = dir.filePath("kept.sin");
    const QString gone = dir.filePath("gone.sin");
    writeFile(kept, imageBytes(imageWithChannels()));
    writeFile(gone, imageBytes(imageWithChannels()));
    auto app = startApp();
    QVERIFY(app);
    QVERIFY(app->OpenDocumentFile(kept));
    QVERIFY(app->OpenDocumentFile(gone));
    QVERIFY(QFile::remove(gone));

    ui::MessageRecorder messages;
    app->mainFrame()->command(kCmdFileRecent1)->trigger();
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts()[0].contains(gone));
    QCOMPARE(app->recentFiles().paths(), QStringList{kept});
    QCOMPARE(app->document().pathName(), gone);
    QVERIFY(!app->mainFrame()->command(kCmdFileRecent1 + 1)->isVisible());
}

void FileCommandsTest::placeholderShowsWithoutRecentFiles() {
    auto app = startApp();
    QVERIFY(app);
    QAction* placeholder = app->mainFrame()->command(kCmdFileRecent1);
    QCOMPARE(placeholder->text(), "Recent File");
    QVERIFY(placeholder->isVisible());
    QVERIFY(!placeholder->isEnabled());
    for (int id = kCmdFileRecent1 + 1; id <= kCmdFileRecent4; ++id)
        QVERIFY(!app->mainFrame()->command(id)->isVisible());

    // The list of an earlier run shows at start-up.
    const QString path = dir.filePath("earlier.sin");
    writeFile(path, imageBytes(imageWithChannels()));
    QVERIFY(app->OpenDocumentFile(path));
    app.reset();
    app = startApp();
    QVERIFY(app->mainFrame()->command(kCmdFileRecent1)->isEnabled());
    QVERIFY(app->mainFrame()->command(kCmdFileRecent1)->text().endsWith("earlier.sin"));
}

void FileCommandsTest::commandLineFileIsOpened() {
    const QString path = dir.filePath("argument.sin");
    writeFile(path, imageBytes(imageWithChannels()));
    CZolApp app;
    QVERIFY(app.InitInstance({path}));
    QCOMPARE(app.document().pathName(), path);
    QCOMPARE(row(app, 12).first(), "145.50000");
    QVERIFY(app.mainFrame()->isVisible());
    QVERIFY(app.mainFrame()->acceptDrops());
}

// A name whose bytes are not UTF-8 reaches the file as it is: Open reads it, Save writes it.
void FileCommandsTest::commandLineNameOfAnyBytesIsOpenedAndSaved() {
    const QByteArray path = QFile::encodeName(dir.path()) + "/\xFF-radio.sin";
    const QByteArray image = imageBytes(imageWithChannels());
    std::ofstream(path.constData(), std::ios::binary).write(image.data(), image.size());
    const qsizetype files = QDir(dir.path()).count();
    const char* argv[] = {"quorl", path.constData()};
    ui::MessageRecorder messages;
    CZolApp app;
    QVERIFY(app.InitInstance(commandLineArguments(2, argv)));
    QCOMPARE(row(app, 12).first(), "145.50000");

    app.view()->grid()->SetTextMatrix(12, 8, "SAVED");
    app.mainFrame()->command(kCmdFileSave)->trigger();
    RadioImage saved{};
    QVERIFY(loadChannelFile(path.toStdString(), saved).ok);
    QCOMPARE(decodeChannels(saved).cell(12, kColName), "SAVED");
    QCOMPARE(QDir(dir.path()).count(), files);
    QVERIFY(messages.texts().isEmpty());
}

// A named pipe, say: it is refused at once, never waited on.
void FileCommandsTest::commandLineFileThatFailsEndsTheProgram() {
    const QString pipe = dir.filePath("argument-pipe.sin");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ui::MessageRecorder messages;
    CZolApp app;
    QVERIFY(!app.InitInstance({pipe}));
    QCOMPARE(messages.texts(),
             QStringList{"Cannot open the file \"" + pipe + "\".\nIt is not a regular file"});
    QVERIFY(!app.mainFrame()->isVisible());
}

void FileCommandsTest::droppedFilesAreOpened() {
    const QString path = dir.filePath("dropped.sin");
    writeFile(path, imageBytes(imageWithChannels()));
    auto app = startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPointF at = frame->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(frame, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(frame, &drop);
    QCOMPARE(app->document().pathName(), path);
    QCOMPARE(row(*app, 1).last(), "HOME");
}

void FileCommandsTest::closingAfterEditsAsksNothing() {
    auto app = startApp();
    QVERIFY(app);
    app->view()->grid()->SetTextMatrix(1, 1, "446.00625");
    test::findControl<QComboBox>(app->view(), kIdSquelchLevel)->setCurrentIndex(1);
    ui::MessageRecorder messages;
    // File > Exit by its mnemonic letters.
    QTest::keyClick(app->mainFrame(), Qt::Key_F, Qt::AltModifier);
    QMenu* file = menuNamed(app->mainFrame(), "&File");
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_X);
    QVERIFY(!app->mainFrame()->isVisible());
    QVERIFY(messages.texts().isEmpty());
}

void FileCommandsTest::toneListStaysWholeAcrossNewAndOpen() {
    const QString path = dir.filePath("tones.sin");
    writeFile(path, imageBytes(imageWithChannels()));
    auto app = startApp();
    QVERIFY(app);
    for (int i = 0; i < 3; ++i) {
        app->OnFileNew();
        QVERIFY(app->OpenDocumentFile(path));
    }
    QCOMPARE(test::findControl<QComboBox>(app->view(), kIdToneEditor)->count(), 263);
}
