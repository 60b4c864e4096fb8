#pragma once

// The Debug Mode dialog, the program's alignment tool. A technician picks one of three test
// frequencies (High, Middle, Low) or one of four alignment parameters in the tree, sets the
// frequencies, tones and steps of the test frequency or the parameter's value on the slider,
// and presses Start to send them to the radio. Everything lives only while the dialog is open:
// nothing is read from or written to the radio's memory image or any file.

#include "AlignmentParameter.h"
#include "SerialPort.h"
#include "TestBand.h"
#include "ThreadPacer.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorl {

class ToneTable;

class TestModeDialog : public QDialog {
    Q_OBJECT

public:
    enum ControlId : int {
        kIdReceiveTones = 1012,
        kIdTransmitTones = 1013,
        kIdTree = 1026,
        kIdDefault = 1028,
        kIdCaption = 1029,
        kIdReceiveFrequency = 1030,
        kIdTransmitFrequency = 1031,
        kIdReceiveQt = 1034,
        kIdReceiveDqt = 1035,
        kIdTransmitQt = 1036,
        kIdTransmitDqt = 1037,
        kIdStart = 1038,
        kIdSlider = 1039,
        kIdHighButton = 1040,
        kIdMiddleButton = 1041,
        kIdLowButton = 1042,
        kIdReadOut = 1052,
        kIdReceiveStep5 = 1063,
        kIdReceiveStep625 = 1064,
        kIdTransmitStep5 = 1066,
        kIdTransmitStep625 = 1067,
        kIdHiddenDefault = 1068,
    };

    // The integer each tree item carries.
    enum ItemTag : int {
        kTagDebugFrequency = 5567,
        kTagHigh = 5568,
        kTagMiddle = 5569,
        kTagLow = 5571,
        kTagDebugItem = 5572,
        kTagTxFrequency = 5573,
        kTagLowPowerVoltage = 5574,
        kTagSquelchLevel = 5575,
        kTagTxPower = 5576,
        kTagExitDebug = 5577,
    };

    // The tone lists show these ranges of the tone table: QT "OFF" to "206.5", DQT "210.7"
    // to "D311I". The split is by position, as the radio's lists have always been.
    static constexpr int kQtListEnd = 43;
    static constexpr int kDqtListEnd = 211;

    // portName: where Start finds the radio. typeIndex, fieldIndex: the band the settings
    // panel shows (-1 for none), which sets the test frequencies; see testBand().
    TestModeDialog(const QString& portName, int typeIndex, int fieldIndex, const ToneTable& tones,
                   QWidget* parent = nullptr);
    ~TestModeDialog() override;

    // The line and pauses Start uses instead of the serial port and real time; null for those
    // again. Tests put a simulated radio here.
    void setExchangeLine(ByteLink* line, Pacer* pacer);

private:
    enum class ToneMethod { Qt, Dqt };
    enum Side : int { kReceive, kTransmit };

    // One side (receive or transmit) of a test frequency, as the dialog keeps it.
    struct SideSetting {
        std::uint32_t frequency = 0; // 10 Hz units
        int tone = 0;                // position in the list the method shows
        FrequencyStep step = FrequencyStep::Step5kHz;
        ToneMethod method = ToneMethod::Qt;
    };
    using SlotSetting = std::array<SideSetting, 2>;

    struct SideControls {
        QLineEdit* frequency;
        QComboBox* tones;
        QRadioButton* qt;
        QRadioButton* dqt;
        QRadioButton* step5;
        QRadioButton* step625;
    };

    void buildControls();
    void buildSide(Side side);
    void buildTree();
    void connectControls();

    void OnInitDialog();
    void choose(QTreeWidgetItem* item);
    void chooseSlot(TestSlot slot);
    void chooseParameter(AlignmentParameter parameter);
    void showSlot();
    void resetSlot();
    void chooseMethod(Side side, ToneMethod method);
    void chooseStep(Side side, FrequencyStep step);
    void chooseDebugButton(QRadioButton* button);
    void setValue(int value);
    void fillTones(Side side, ToneMethod method);
    void OnDefault();
    void OnStart();
    bool PreTranslateMessage();
    void confirmFrequency(Side side);

    SideSetting& current(Side side);

    QString portName_;
    TestBand band_;
    QStringList qtList_;
    QStringList dqtList_;

    std::array<SlotSetting, 3> slots_{};
    TestSlot slot_ = TestSlot::High;
    std::array<int, kAlignmentParameters.size()> values_{};
    AlignmentParameter parameter_ = AlignmentParameter::TxFrequency;

    QTreeWidget* tree_ = nullptr;
    QGroupBox* caption_ = nullptr;
    QPushButton* default_ = nullptr;
    QPushButton* start_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* readOut_ = nullptr;
    std::array<SideControls, 2> sides_{};
    std::array<QRadioButton*, 3> debugButtons_{};
    std::vector<QWidget*> frequencyView_;
    std::vector<QWidget*> parameterView_;

    SerialPort serialPort_;
    ThreadPacer threadPacer_;
    ByteLink* line_ = nullptr;
    Pacer* pacer_ = nullptr;
};

} // namespace quorl
