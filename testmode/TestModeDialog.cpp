#include "TestModeDialog.h"

#include "ControlId.h"
#include "DialogControls.h"
#include "DialogUnits.h"
#include "KeyboardPolicy.h"
#include "MessageBox.h"
#include "PortMessage.h"
#include "TestExchange.h"
#include "ToneTable.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleFactory>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

namespace quorl {

namespace {

Q_LOGGING_CATEGORY(lcTestMode, "quorl.testmode")

const QString kOpeningCaption = QStringLiteral("Please Choose Frequency first");
const QString kReadOutPrefix = QStringLiteral("Current Position:");
const QString kNothingVisible = QStringLiteral(" There are no Visible information");
const QString kRetryMessage = QStringLiteral(" Error had happen ,need try again");
const QString kFinishedMessage = QStringLiteral("Finish successfully!");
constexpr int kSliderMaximum = 255;

// Dialog units: x, y, width, height.
struct Placement {
    int id;
    int x, y, width, height;
};

// One side of the FrequencyView, receive or transmit.
struct SideLayout {
    const char* title;
    Placement group, frequencyLabel, frequency, toneLabel, tones, methodLabel, qt, dqt, stepLabel,
        step5, step625;
};

constexpr SideLayout kSideLayouts[2] = {
    {"Receive",
     {1060, 121, 50, 108, 121},
     {1054, 133, 62, 36, 17},
     {1030, 179, 62, 53, 12},
     {1056, 134, 81, 19, 9},
     {1012, 179, 78, 44, 70},
     {1058, 135, 98, 23, 20},
     {1034, 184, 94, 32, 13},
     {1035, 184, 109, 34, 10},
     {1062, 133, 123, 30, 26},
     {1063, 166, 123, 44, 11},
     {1064, 166, 134, 48, 15}},
    {"Transmit",
     {1061, 235, 50, 114, 122},
     {1055, 244, 61, 37, 19},
     {1031, 283, 60, 53, 12},
     {1057, 243, 81, 19, 10},
     {1013, 285, 77, 44, 70},
     {1059, 244, 99, 23, 20},
     {1036, 297, 95, 32, 13},
     {1037, 297, 109, 34, 11},
     {1065, 241, 123, 30, 26},
     {1066, 278, 121, 48, 15},
     {1067, 278, 136, 48, 15}},
};

struct SlotItem {
    int tag;
    TestSlot slot;
    const char* text;
    const char* caption;
};

constexpr SlotItem kSlotItems[] = {
    {TestModeDialog::kTagHigh, TestSlot::High, "High Frequency", "High Frequency"},
    {TestModeDialog::kTagMiddle, TestSlot::Middle, "Middle Frequency", "Middle Frequency"},
    {TestModeDialog::kTagLow, TestSlot::Low, "Low Frequency", "Low frequency"},
};

// The dialog decides which of its radio buttons are checked: a click does not toggle one.
class ChoiceButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

// A tone list that says when its drop-down closes: then, and when an entry is picked, its
// choice is kept.
class ToneList final : public QComboBox {
public:
    std::function<void()> closedUp;

    void hidePopup() override {
        QComboBox::hidePopup();
        if (closedUp)
            closedUp();
    }
};

template <typename Control>
Control* place(QWidget* parent, const ui::DialogUnits& units, const Placement& at,
               Control* control) {
    control->setParent(parent);
    ui::setControlId(control, at.id);
    control->setGeometry(units.rect(at.x, at.y, at.width, at.height));
    return control;
}

QLabel* label(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// The classic look draws the title on the frame's top line, which the layout counts on.
QGroupBox* group(const QString& title, QStyle* style) {
    auto* box = new QGroupBox(title);
    if (style)
        box->setStyle(style);
    return box;
}

ChoiceButton* choice(const QString& text) {
    auto* button = new ChoiceButton(text);
    button->setAutoExclusive(false);
    button->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    return button;
}

// A drop-down's rectangle includes its open list: the closed box gets its natural height and
// the rest decides how many entries the open list shows. The list drops below the box rather
// than over it, as the style would have a list without a text field do, and so keeps that
// height.
QComboBox* placeDropDown(QWidget* parent, const ui::DialogUnits& units, const Placement& at,
                         QComboBox* combo) {
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    place(parent, units, at, combo);
    ui::fitDropDown(combo);
    return combo;
}

QStringList toneRange(const ToneTable& tones, int from, int to) {
    QStringList list;
    for (int i = from; i < to; ++i)
        list.append(QString::fromStdString(tones.at(static_cast<std::size_t>(i))));
    return list;
}

int tagOf(const QTreeWidgetItem* item) {
    return item->data(0, Qt::UserRole).toInt();
}

QString frequencyText(std::uint32_t count) {
    return QString::fromStdString(testFrequencyText(count));
}

void check(QRadioButton* on, QRadioButton* off) {
    on->setChecked(true);
    off->setChecked(false);
}

} // namespace

TestModeDialog::TestModeDialog(const QString& portName, int typeIndex, int fieldIndex,
                               const ToneTable& tones, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      portName_(portName), band_(testBand(typeIndex, fieldIndex)),
      qtList_(toneRange(tones, 0, kQtListEnd)),
      dqtList_(toneRange(tones, kQtListEnd, kDqtListEnd)) {
    setWindowTitle(QStringLiteral("Debug Mode for QUORL Software"));
    setFont(ui::formFont(10));
    buildControls();
    OnInitDialog();
    connectControls();
}

// The base class hides the window, and with it the tone lists, after this dialog's own part is
// gone: a list closing then must not report to it.
TestModeDialog::~TestModeDialog() {
    for (const Side side : {kReceive, kTransmit})
        static_cast<ToneList*>(sides_[side].tones)->closedUp = nullptr;
}

void TestModeDialog::setExchangeLine(ByteLink* line, Pacer* pacer) {
    line_ = line;
    pacer_ = pacer;
}

void TestModeDialog::buildControls() {
    const ui::DialogUnits units(font());
    setFixedSize(units.size(391, 216));
    QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (classic)
        classic->setParent(this);

    // Group boxes first, so that they lie beneath the controls they frame.
    caption_ = place(this, units, {kIdCaption, 120, 13, 250, 190}, group({}, classic));
    for (const Side side : {kReceive, kTransmit}) {
        const SideLayout& layout = kSideLayouts[side];
        frequencyView_.push_back(
            place(this, units, layout.group, group(QString::fromLatin1(layout.title), classic)));
    }
    parameterView_.push_back(place(this, units, {1043, 128, 35, 221, 39},
                                   group(QStringLiteral("Choose Debug Frequency"), classic)));
    parameterView_.push_back(place(this, units, {1044, 128, 83, 214, 70},
                                   group(QStringLiteral("Parameter Value"), classic)));

    tree_ = place(this, units, {kIdTree, 18, 23, 98, 179}, new QTreeWidget);
    if (classic)
        tree_->setStyle(classic);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    default_ = place(this, units, {kIdDefault, 270, 178, 64, 17},
                     new QPushButton(QStringLiteral("Default")));

    for (const Side side : {kReceive, kTransmit})
        buildSide(side);

    const char* debugTexts[] = {"High(MHz)", "Middle(MHz)", "Low(MHz)"};
    const Placement debugPlaces[] = {
        {kIdHighButton, 136, 51, 57, 12},
        {kIdMiddleButton, 200, 51, 54, 12},
        {kIdLowButton, 270, 51, 52, 12},
    };
    for (std::size_t i = 0; i < debugButtons_.size(); ++i) {
        debugButtons_[i] =
            place(this, units, debugPlaces[i], choice(QString::fromLatin1(debugTexts[i])));
        parameterView_.push_back(debugButtons_[i]);
    }
    parameterView_.push_back(place(this, units, {1049, 137, 105, 28, 13}, label("Min")));
    slider_ = place(this, units, {kIdSlider, 158, 103, 133, 14}, new QSlider(Qt::Horizontal));
    parameterView_.push_back(slider_);
    parameterView_.push_back(place(this, units, {1051, 301, 105, 24, 13}, label("Max")));
    readOut_ =
        place(this, units, {kIdReadOut, 139, 126, 94, 13}, label(QStringLiteral("Current Value")));
    parameterView_.push_back(readOut_);
    start_ =
        place(this, units, {kIdStart, 157, 180, 45, 16}, new QPushButton(QStringLiteral("Start")));
    parameterView_.push_back(start_);

    // Enter never closes the dialog: its default button can be neither seen nor pressed.
    auto* hiddenDefault = place(this, units, {kIdHiddenDefault, 218, 184, 25, 11},
                                new QPushButton(QStringLiteral("Button1")));
    hiddenDefault->setDefault(true);
    hiddenDefault->setEnabled(false);
    hiddenDefault->hide();
    for (QPushButton* button : {default_, start_})
        button->setAutoDefault(false);

    setTabOrder(default_, tree_);
    setTabOrder(tree_, sides_[kReceive].frequency);
    setTabOrder(sides_[kReceive].frequency, sides_[kTransmit].frequency);
    setTabOrder(sides_[kTransmit].frequency, start_);
    setTabOrder(start_, slider_);
    setTabOrder(slider_, sides_[kReceive].tones);
    setTabOrder(sides_[kReceive].tones, sides_[kTransmit].tones);

    // Enter in a control goes to PreTranslateMessage; in an open drop-down list it chooses an
    // entry.
    KeyboardPolicy::application().addKeyRule(this, [this](QObject* receiver, QKeyEvent* key) {
        const auto* control = qobject_cast<QWidget*>(receiver);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        return enter && control != this && control->window() == this && PreTranslateMessage();
    });
}

void TestModeDialog::buildSide(Side side) {
    const ui::DialogUnits units(font());
    const SideLayout& layout = kSideLayouts[side];
    SideControls& controls = sides_[side];
    controls.frequency = place(this, units, layout.frequency, new QLineEdit);
    controls.tones = placeDropDown(this, units, layout.tones, new ToneList);
    controls.qt = place(this, units, layout.qt, choice(QStringLiteral("QT")));
    controls.dqt = place(this, units, layout.dqt, choice(QStringLiteral("DQT")));
    controls.step5 = place(this, units, layout.step5, choice(QStringLiteral("5.00KHZ")));
    controls.step625 = place(this, units, layout.step625, choice(QStringLiteral("6.25KHZ")));
    frequencyView_.insert(
        frequencyView_.end(),
        {place(this, units, layout.frequencyLabel, label(QStringLiteral("Frequency (MHz)"))),
         controls.frequency, place(this, units, layout.toneLabel, label(QStringLiteral("Tone"))),
         controls.tones,
         place(this, units, layout.methodLabel, label(QStringLiteral("Tone Method"))), controls.qt,
         controls.dqt, place(this, units, layout.stepLabel, label(QStringLiteral("Step Value"))),
         controls.step5, controls.step625});
}

void TestModeDialog::buildTree() {
    const auto add = [](auto* parent, const QString& text, int tag) {
        auto* item = new QTreeWidgetItem(parent, QStringList{text});
        item->setData(0, Qt::UserRole, tag);
        return item;
    };
    QTreeWidgetItem* frequencies =
        add(tree_, QStringLiteral("Debug Frequency"), kTagDebugFrequency);
    for (const SlotItem& slot : kSlotItems)
        add(frequencies, QString::fromLatin1(slot.text), slot.tag);
    QTreeWidgetItem* items = add(tree_, QStringLiteral("Debug Item"), kTagDebugItem);
    for (std::size_t i = 0; i < kAlignmentParameters.size(); ++i) {
        const std::string_view name = kAlignmentParameters[i].name;
        add(items, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
            kTagTxFrequency + static_cast<int>(i));
    }
    add(tree_, QStringLiteral("Exit Debug"), kTagExitDebug);
    frequencies->setExpanded(true);
}

void TestModeDialog::OnInitDialog() {
    buildTree();
    caption_->setTitle(kOpeningCaption);
    for (SideControls& controls : sides_) {
        check(controls.qt, controls.dqt);
        check(controls.step5, controls.step625);
    }
    chooseDebugButton(debugButtons_[0]);
    for (const Side side : {kReceive, kTransmit})
        fillTones(side, ToneMethod::Qt);
    for (const TestSlot slot : {TestSlot::High, TestSlot::Middle, TestSlot::Low})
        for (SideSetting& setting : slots_[static_cast<std::size_t>(slot)])
            setting = {band_.opening(slot)};
    slot_ = TestSlot::High;
    values_.fill(0);
    parameter_ = AlignmentParameter::TxFrequency;
    slider_->setRange(0, kSliderMaximum);
    slider_->setValue(0);

    for (QWidget* control : frequencyView_)
        control->hide();
    for (QWidget* control : parameterView_)
        control->hide();
    default_->hide();
    tree_->setFocus();
}

void TestModeDialog::connectControls() {
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { choose(item); });
    connect(slider_, &QSlider::valueChanged, this, [this](int value) { setValue(value); });
    connect(default_, &QPushButton::clicked, this, [this] { OnDefault(); });
    connect(start_, &QPushButton::clicked, this, [this] { OnStart(); });
    for (QRadioButton* button : debugButtons_)
        connect(button, &QRadioButton::clicked, this,
                [this, button] { chooseDebugButton(button); });
    for (const Side side : {kReceive, kTransmit}) {
        const SideControls& controls = sides_[side];
        connect(controls.qt, &QRadioButton::clicked, this,
                [this, side] { chooseMethod(side, ToneMethod::Qt); });
        connect(controls.dqt, &QRadioButton::clicked, this,
                [this, side] { chooseMethod(side, ToneMethod::Dqt); });
        connect(controls.step5, &QRadioButton::clicked, this,
                [this, side] { chooseStep(side, FrequencyStep::Step5kHz); });
        connect(controls.step625, &QRadioButton::clicked, this,
                [this, side] { chooseStep(side, FrequencyStep::Step6_25kHz); });
        const auto keepTone = [this, side] {
            current(side).tone = sides_[side].tones->currentIndex();
        };
        static_cast<ToneList*>(controls.tones)->closedUp = keepTone;
        // The list closes before it takes the entry picked in it: the pick comes after.
        connect(controls.tones, &QComboBox::activated, this, keepTone);
    }
}

void TestModeDialog::choose(QTreeWidgetItem* item) {
    if (!item)
        return;
    if (const QTreeWidgetItem* parent = item->parent()) {
        default_->show(); // from the first choice on, for good
        const bool frequencies = tagOf(parent) == kTagDebugFrequency;
        for (QWidget* control : frequencyView_)
            control->setVisible(frequencies);
        for (QWidget* control : parameterView_)
            control->setVisible(!frequencies);
    }
    const int tag = tagOf(item);
    for (const SlotItem& slot : kSlotItems) {
        if (slot.tag == tag) {
            caption_->setTitle(QString::fromLatin1(slot.caption));
            chooseSlot(slot.slot);
        }
    }
    if (tag >= kTagTxFrequency && tag <= kTagTxPower)
        chooseParameter(static_cast<AlignmentParameter>(tag - kTagTxFrequency));
    if (tag == kTagExitDebug)
        accept();
}

void TestModeDialog::chooseSlot(TestSlot slot) {
    slot_ = slot;
    showSlot();
}

void TestModeDialog::chooseParameter(AlignmentParameter parameter) {
    parameter_ = parameter;
    const int value = values_[static_cast<std::size_t>(parameter)];
    slider_->setValue(value);
    setValue(value);
}

// The current slot's frequencies, steps, tone methods and tones into the controls.
void TestModeDialog::showSlot() {
    for (const Side side : {kReceive, kTransmit}) {
        const SideSetting& setting = current(side);
        const SideControls& controls = sides_[side];
        controls.frequency->setText(frequencyText(setting.frequency));
        if (setting.step == FrequencyStep::Step6_25kHz)
            check(controls.step625, controls.step5);
        else
            check(controls.step5, controls.step625);
        if (setting.method == ToneMethod::Dqt)
            check(controls.dqt, controls.qt);
        else
            check(controls.qt, controls.dqt);
        fillTones(side, setting.method);
        controls.tones->setCurrentIndex(setting.tone);
    }
}

void TestModeDialog::resetSlot() {
    for (SideSetting& setting : slots_[static_cast<std::size_t>(slot_)])
        setting = {band_.opening(slot_)};
}

void TestModeDialog::chooseMethod(Side side, ToneMethod method) {
    const SideControls& controls = sides_[side];
    QRadioButton* chosen = method == ToneMethod::Qt ? controls.qt : controls.dqt;
    QRadioButton* other = method == ToneMethod::Qt ? controls.dqt : controls.qt;
    chosen->setChecked(true);
    if (!other->isChecked())
        return;
    other->setChecked(false);
    current(side).method = method;
    fillTones(side, method);
}

void TestModeDialog::chooseStep(Side side, FrequencyStep step) {
    const SideControls& controls = sides_[side];
    if (step == FrequencyStep::Step6_25kHz)
        check(controls.step625, controls.step5);
    else
        check(controls.step5, controls.step625);
    current(side).step = step;
}

// The three buttons only show which is chosen: the frequencies sent are those of the boxes.
void TestModeDialog::chooseDebugButton(QRadioButton* button) {
    for (QRadioButton* each : debugButtons_)
        each->setChecked(each == button);
}

void TestModeDialog::setValue(int value) {
    values_[static_cast<std::size_t>(parameter_)] = value;
    readOut_->setText(kReadOutPrefix + QString::number(value));
}

// Refills a tone list for the method and shows its first entry; the slot keeps its choice.
void TestModeDialog::fillTones(Side side, ToneMethod method) {
    QComboBox* tones = sides_[side].tones;
    tones->clear();
    tones->addItems(method == ToneMethod::Qt ? qtList_ : dqtList_);
    tones->setCurrentIndex(0);
}

void TestModeDialog::OnDefault() {
    if (!slider_->isHidden()) {
        const int value = alignmentParameter(parameter_).defaultValue;
        setValue(value);
        slider_->setValue(value);
    } else if (!sides_[kReceive].frequency->isHidden()) {
        resetSlot();
        showSlot();
    } else {
        ui::messageBox(kNothingVisible);
    }
}

// What the boxes show once confirmed as Enter confirms them, so that a text still being typed
// never goes out, and the tones the lists show.
void TestModeDialog::OnStart() {
    for (const Side side : {kReceive, kTransmit})
        confirmFrequency(side);
    TestRequest request;
    request.portName = portName_;
    request.parameter = parameter_;
    request.value = static_cast<std::uint8_t>(values_[static_cast<std::size_t>(parameter_)]);
    request.receiveFrequency = sides_[kReceive].frequency->text();
    request.transmitFrequency = sides_[kTransmit].frequency->text();
    request.receiveTone = sides_[kReceive].tones->currentText();
    request.transmitTone = sides_[kTransmit].tones->currentText();

    TestExchange exchange(line_ ? *line_ : serialPort_, pacer_ ? *pacer_ : threadPacer_, [] {
        return ui::messageBox(kRetryMessage, MessageButtons::RetryCancel) == MessageAnswer::Retry;
    });
    const TestResult result = exchange.run(request);
    if (result.outcome == TestOutcome::Finished) {
        ui::messageBox(kFinishedMessage);
        return;
    }
    if (result.outcome == TestOutcome::PortNotOpened)
        ui::messageBox(QString::fromUtf8(ui::kPortOpenFailedMessage));
    QString why = result.cause;
    if (!line_ && !serialPort_.errorString().isEmpty())
        why += QStringLiteral(" (%1)").arg(serialPort_.errorString());
    qCInfo(lcTestMode).noquote() << "The test exchange on" << portName_ << "ended after"
                                 << result.attempts << "attempts:" << why;
}

// Enter: Default and Start are pressed, a frequency box confirms its text, and in any case
// but the two buttons the focus moves on to the next control.
bool TestModeDialog::PreTranslateMessage() {
    QWidget* focus = focusWidget();
    if (focus == default_) {
        OnDefault();
    } else if (focus == start_) {
        OnStart();
    } else {
        for (const Side side : {kReceive, kTransmit})
            if (focus == sides_[side].frequency)
                confirmFrequency(side);
        focusNextChild();
    }
    return true;
}

// Into the band, or else onto the step of the box's own side. Only the box changes: the slot
// keeps the frequency it opened with.
void TestModeDialog::confirmFrequency(Side side) {
    const SideControls& controls = sides_[side];
    const FrequencyStep step =
        controls.step625->isChecked() ? FrequencyStep::Step6_25kHz : FrequencyStep::Step5kHz;
    const std::string typed = controls.frequency->text().toStdString();
    controls.frequency->setText(frequencyText(confirmTestFrequency(typed, band_.limits, step)));
}

TestModeDialog::SideSetting& TestModeDialog::current(Side side) {
    return slots_[static_cast<std::size_t>(slot_)][side];
}

} // namespace quorl
