#pragma once

// quorl-cli run as a user runs it, its backups kept in a folder of the test's own.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

struct CliOutput {
    int status = -1;
    QString out;
    QString err;
};

class CliRun {
public:
    CliRun();

    // Maps COMn to a device for the runs to come.
    void mapPort(const QString& comName, const QString& device);
    void setVariable(const QString& name, const QString& value) {
        environment_.insert(name, value);
    }
    void unsetVariable(const QString& name) { environment_.remove(name); }
    // Runs in each child before quorl-cli starts.
    void onChildStart(std::function<void()> setup) { process_.setChildProcessModifier(setup); }
    // Runs to the end (at most two minutes).
    CliOutput run(const QStringList& arguments);
    // Starts a run and leaves it going; finish() waits for its end.
    QProcess& start(const QStringList& arguments);
    CliOutput finish();

    QString backupFolder() const { return backups_.path(); }

private:
    QTemporaryDir backups_;
    QProcessEnvironment environment_;
    QProcess process_;
};
