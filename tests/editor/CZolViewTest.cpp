#include "CZolView.h"
#include "ViewFixture.h"

#include "CMSFlexGrid.h"
#include "CellEditor.h"
#include "FormIds.h"
#include "SettingsCodec.h"
#include "SettingsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace quorl;

namespace {

// Writes one channel record and name the way the radio stores them.
void putChannel(RadioImage& image, int channel, std::array<std::uint8_t, 13> record,
                const char* name) {
    const std::size_t at = channelRecordOffset(channel);
    std::copy(record.begin(), record.end(), image.begin() + at);
    const std::size_t nameAt = channelNameOffset(channel);
    for (std::size_t i = 0; name[i]; ++i)
        image[nameAt + i] = static_cast<std::uint8_t>(name[i]);
}

} // namespace

class CZolViewTest : public QObject, private ViewFixture {
    Q_OBJECT

private slots:
    void init() { createView(); }
    void cleanup() { closeView(); }

    void startsOnTheFirstPort() { QCOMPARE(view->portName(), "COM1"); }

    void initialUpdateWritesHeadingsAndRowLabels() {
        view->OnInitialUpdate();
        const QStringList headings{"CH",   "Receive(MHz)", "Transmit(MHz)", "Rx Tone", "Tx Tone",
                                   "Scan", "Tx Power",     "BusyLock",      "Name"};
        for (int c = 0; c < 9; ++c)
            QCOMPARE(grid()->TextMatrix(0, c), headings[c]);
        QCOMPARE(grid()->TextMatrix(1, 0), "1");
        QCOMPARE(grid()->TextMatrix(7, 0), "7");
        QCOMPARE(grid()->TextMatrix(199, 0), "199");
        QCOMPARE(grid()->Rows(), 200);
        QCOMPARE(grid()->Cols(), 9);
    }

    // After New: every channel empty and the panel as the factory image sets it.
    void newImageShowsTheFactoryPanel() {
        view->OnInitialUpdate();
        for (int r = 1; r <= 199; ++r)
            for (int c = 1; c <= 8; ++c)
                QVERIFY2(grid()->TextMatrix(r, c).isEmpty(),
                         qPrintable(QString("%1,%2").arg(r).arg(c)));
        QCOMPARE(combo(kIdType)->currentText(), "ZR - 101S");
        QCOMPARE(combo(kIdField)->currentText(), "400 - 470MHz");
        QCOMPARE(combo(kIdChannelName)->currentText(), "OFF");
        QCOMPARE(combo(kIdSquelchLevel)->currentText(), "5");
        QCOMPARE(combo(kIdWideNarrow)->currentText(), "WIDE");
        QCOMPARE(combo(kIdVoxGainLevel)->currentText(), "OFF");
        QVERIFY(!check(kIdScramblerFunction)->isChecked());
        QVERIFY(check(kIdBatterySave)->isChecked());
        QVERIFY(check(kIdBeep)->isChecked());
        QVERIFY(!check(kIdDisableMenu)->isChecked());
        QVERIFY(check(kIdPowerMenu)->isChecked());
        QVERIFY(check(kIdScramblerMenu)->isChecked());
    }

    void storedChannelsAndSettingsAreShown() {
        // Channel 12: 446.00625 / 446.00625 MHz, 88.5 Hz and D023N, High, Scan, Carrier.
        putChannel(image, 12,
                   {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x85, 0x08, 0x23, 0x80, 0x31},
                   "BASE");
        image[kModelType] = 3;
        view->OnInitialUpdate();
        const QStringList row{"446.00625", "446.00625", "88.5",    "D023N",
                              "Yes",       "High",      "Carrier", "BASE"};
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(grid()->TextMatrix(12, c), row[c - 1]);
        QCOMPARE(grid()->TextMatrix(11, 1), QString());
        // A stored model of 3 is no model; the bands offered are the VHF ones.
        QCOMPARE(combo(kIdType)->currentIndex(), -1);
        QCOMPARE(combo(kIdField)->itemText(0), "136 - 175MHz");
        QCOMPARE(combo(kIdField)->itemText(1), "144 - 146MHz");
    }

    // A new image reaches the table as one change, which covers every channel that changed.
    void decodeIsOneChangeOfTheTable() {
        view->OnInitialUpdate();
        putChannel(image, 2, {0x00, 0x00, 0x55, 0x14}, "LOW");
        putChannel(image, 150, {0x00, 0x00, 0x55, 0x14}, "HIGH");
        const QAbstractItemModel* model = table()->model();
        QSignalSpy changes(model, &QAbstractItemModel::dataChanged);
        view->DecodeImage();
        QCOMPARE(changes.size(), 1);
        const auto topLeft = changes[0][0].value<QModelIndex>();
        const auto bottomRight = changes[0][1].value<QModelIndex>();
        QVERIFY(topLeft.row() <= 1 && bottomRight.row() >= 149);
        QCOMPARE(model->index(149, 7).data().toString(), "HIGH");
    }

    void encodeWritesTheTableAndPanelBack() {
        view->OnInitialUpdate();
        grid()->SetTextMatrix(3, 1, "145.5");
        grid()->SetTextMatrix(3, 8, "CH:003");
        combo(kIdSquelchLevel)->setCurrentIndex(2);
        view->EncodeImage();
        const std::size_t record = channelRecordOffset(3);
        QCOMPARE(image[record + 0], 0x00);
        QCOMPARE(image[record + 1], 0x00);
        QCOMPARE(image[record + 2], 0x55);
        QCOMPARE(image[record + 3], 0x14);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&image[channelNameOffset(3)]), 6),
                 QByteArray("CH:003"));
        QCOMPARE(image[kSquelchLevel], 2);
    }

    // Latin-1 names survive a decode and encode whatever bytes they hold.
    void nameBytesSurviveTheTable() {
        putChannel(image, 5, {0x00, 0x00, 0x55, 0x14}, "\xE9\xB5z\x7F!\xA0\xFE\x01");
        view->OnInitialUpdate();
        view->EncodeImage();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&image[channelNameOffset(5)]), 8),
                 QByteArray("\xE9\xB5z\x7F!\xA0\xFE\x01"));
    }

    void columnsTakeTheirShareOfTheDefaultWidth() {
        view->OnInitialUpdate();
        const int w = CMSFlexGrid::kDefaultColWidth;
        QCOMPARE(grid()->ColWidth(0), int(w * 0.4));
        QCOMPARE(grid()->ColWidth(1), int(w * 1.3));
        QCOMPARE(grid()->ColWidth(2), grid()->ColWidth(1));
        QCOMPARE(grid()->ColWidth(3), w);
        QCOMPARE(grid()->ColWidth(4), w);
        QCOMPARE(grid()->ColWidth(5), int(w * 0.8));
        QCOMPARE(grid()->ColWidth(6), int(w * 0.9));
        QCOMPARE(grid()->ColWidth(7), w);
        QCOMPARE(grid()->ColWidth(8), w);
        // Widths are set once: a second update leaves them as they are.
        grid()->SetColWidth(3, 500);
        view->OnInitialUpdate();
        QCOMPARE(grid()->ColWidth(3), 500);
    }

    void editorsAreMadeOnceAndClosedOnEveryUpdate() {
        QVERIFY(!view->cells().EditorForColumn(1));
        view->OnInitialUpdate();
        lineEdit(kIdFrequencyEditor)->setText("446");
        lineEdit(kIdFrequencyEditor)->show();
        combo(kIdToneEditor)->show();
        lineEdit(kIdNameEditor)->setMaxLength(20);
        QLineEdit* const frequency = lineEdit(kIdFrequencyEditor);
        for (int i = 0; i < 3; ++i)
            view->OnInitialUpdate();
        QCOMPARE(lineEdit(kIdFrequencyEditor), frequency);
        QVERIFY(lineEdit(kIdFrequencyEditor)->isHidden());
        QVERIFY(lineEdit(kIdFrequencyEditor)->text().isEmpty());
        QVERIFY(combo(kIdToneEditor)->isHidden());
        QCOMPARE(lineEdit(kIdNameEditor)->maxLength(), 6);
        QCOMPARE(combo(kIdToneEditor)->count(), 263);
        QCOMPARE(combo(kIdToneEditor)->itemText(0), "OFF");
        QCOMPARE(combo(kIdToneEditor)->itemText(262), "D754I");
    }

    void editorsServeTheirColumns() {
        view->OnInitialUpdate();
        QCOMPARE(view->cells().EditorForColumn(2), lineEdit(kIdFrequencyEditor));
        QCOMPARE(view->cells().EditorForColumn(4), combo(kIdToneEditor));
        QCOMPARE(view->cells().EditorForColumn(6), combo(kIdPowerEditor));
        QCOMPARE(view->cells().EditorForColumn(0), lineEdit(kIdFrequencyEditor));
        QCOMPARE(combo(kIdBusyLockEditor)->itemText(2), "QT/DQT");
        QVERIFY(!combo(kIdPowerEditor)->isEditable());
        QVERIFY(combo(kIdToneEditor)->isEditable());
        QCOMPARE(lineEdit(kIdNameEditor)->parentWidget(), grid());
    }

    // The frame gives up the room the form does not need, and never grows.
    void frameShrinksToFitTheForm() {
        view->OnInitialUpdate();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QCOMPARE(view->maximumViewportSize(), view->widget()->size());
        QVERIFY(frame->width() < 800);
        QVERIFY(frame->height() < 1100);

        frame->resize(300, 200);
        view->OnInitialUpdate();
        QCOMPARE(frame->size(), QSize(300, 200));
    }

    // New and Open run it again and again: nothing may pile up in the window.
    void initialUpdateLeavesNoObjectsBehind() {
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        view->OnInitialUpdate();
        const qsizetype objects = frame->findChildren<QObject*>().size();
        for (int i = 0; i < 5; ++i)
            view->OnInitialUpdate();
        QCOMPARE(frame->findChildren<QObject*>().size(), objects);
    }

    void editDataSaysHowAndGoesToChannelOne() {
        view->OnInitialUpdate();
        grid()->SetRow(40);
        grid()->SetCol(5);
        ui::MessageRecorder messages;
        view->cells().OnEditData();
        QCOMPARE(messages.texts(), QStringList{"Please directly double click inside the table"});
        QCOMPARE(grid()->Row(), 1);
        QCOMPARE(grid()->Col(), 1);
        QVERIFY(lineEdit(kIdFrequencyEditor)->isHidden());
    }

    // Typed text that names an entry chooses it; any other text gives way to the chosen entry
    // when the list is left, Enter is pressed, or the panel is stored while it is typed into.
    // The list then shows what is stored. After New: Squelch 5, Vox OFF, Channel Name OFF.
    void typingIntoAPanelListShowsWhatIsStored_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("finish"); // a key, or 0 to store while typing
        QTest::addColumn<QString>("shown");
        const int tab = Qt::Key_Tab;
        const int enter = Qt::Key_Return;
        QTest::newRow("Squelch 12, Tab") << int(kIdSquelchLevel) << "12" << tab << "5";
        QTest::newRow("Squelch 07, Enter") << int(kIdSquelchLevel) << " 07 " << enter << "7";
        QTest::newRow("W/N narrow, Enter") << int(kIdWideNarrow) << "narrow" << enter << "NARROW";
        QTest::newRow("W/N narrow, stored") << int(kIdWideNarrow) << "narrow" << 0 << "NARROW";
        QTest::newRow("Vox 010, Tab") << int(kIdVoxGainLevel) << "010" << tab << "10";
        QTest::newRow("Vox 11, stored") << int(kIdVoxGainLevel) << "11" << 0 << "OFF";
        QTest::newRow("Channel Name on, Tab") << int(kIdChannelName) << "on " << tab << "ON";
        QTest::newRow("Channel Name yes, Enter") << int(kIdChannelName) << "yes" << enter << "OFF";
    }
    void typingIntoAPanelListShowsWhatIsStored() {
        QFETCH(int, id);
        QFETCH(QString, typed);
        QFETCH(int, finish);
        QFETCH(QString, shown);
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        view->OnInitialUpdate();
        QComboBox* list = combo(id);
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, typed);
        if (finish != 0) {
            QTest::keyClick(list, Qt::Key(finish));
            QVERIFY(!list->hasFocus());
        }
        view->EncodeImage();

        QCOMPARE(list->currentText(), shown);
        QCOMPARE(list->itemText(list->currentIndex()), shown);
        QVERIFY(decodeSettings(image) == view->settingsPanel()->state());
    }
};

QTEST_MAIN(CZolViewTest)
#include "CZolViewTest.moc"
