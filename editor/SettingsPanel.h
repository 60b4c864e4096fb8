#pragma once

// The radio-wide settings above the channel table: model and band ("Type Setting") and the
// options ("Optional Function"). It shows and returns a SettingsState; the bytes behind it
// are the settings codec's business. Text typed into its lists chooses an entry or gives way
// to the chosen one (ListTyping.h).

#include "SettingsCodec.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace quorl::ui {
class DialogUnits;
}

namespace quorl {

class SettingsPanel : public QWidget {
    Q_OBJECT

public:
    // Lays the controls out in the form's dialog units; the panel sits at the form's origin.
    SettingsPanel(const quorl::ui::DialogUnits& units, QWidget* parent);

    quorl::SettingsState state() const;
    // Settles text still being typed into a list, before the panel is stored.
    void settleTypedText();
    void setState(const quorl::SettingsState& state);

    // Current selections of Type and Field, -1 for none.
    int typeIndex() const;
    int fieldIndex() const;

private:
    void refillField(int typeIndex);

    QComboBox* type_;
    QComboBox* field_;
    QComboBox* channelName_;
    QComboBox* squelch_;
    QComboBox* wideNarrow_;
    QComboBox* voxGain_;
    QCheckBox* scramblerFunction_;
    QCheckBox* batterySave_;
    QCheckBox* disableMenu_;
    QCheckBox* scramblerMenu_;
    QCheckBox* powerMenu_;
    QCheckBox* beep_;
};

} // namespace quorl
