#pragma once

// Keeps a test program's settings (the recent-file list above all) in a folder of its own
// that disappears with the program, so no run leaves a trace in the user's configuration.

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

class IsolatedSettings {
public:
    IsolatedSettings() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    IsolatedSettings(const IsolatedSettings&) = delete;
    IsolatedSettings& operator=(const IsolatedSettings&) = delete;

    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};
