#pragma once

// Keeps the backups of a test's transfers in a folder of its own that disappears with the
// test, so no run leaves copies among the user's.

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

class IsolatedBackups {
public:
    IsolatedBackups() {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("QUORL_BACKUPS", QFile::encodeName(dir_.path()));
    }
    ~IsolatedBackups() { qunsetenv("QUORL_BACKUPS"); }
    IsolatedBackups(const IsolatedBackups&) = delete;
    IsolatedBackups& operator=(const IsolatedBackups&) = delete;

    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};
