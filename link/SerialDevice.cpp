#include "SerialDevice.h"

#include <QRegularExpression>
#include <QtGlobal>

namespace quorl {

QString serialDevicePath(const QString& portName) {
#ifdef Q_OS_WIN
    return portName;
#else
    static const QRegularExpression comPort(QStringLiteral("^COM([1-9][0-9]*)$"));
    const QRegularExpressionMatch match = comPort.match(portName);
    if (!match.hasMatch())
        return portName;
    const QString override = qEnvironmentVariable(("QUORL_" + portName).toLatin1().constData());
    if (!override.isEmpty())
        return override;
    return QStringLiteral("/dev/ttyUSB%1").arg(match.captured(1).toInt() - 1);
#endif
}

QString portWords(const QString& portName) {
    const QString device = serialDevicePath(portName);
    return device == portName ? portName : QStringLiteral("%1 (%2)").arg(portName, device);
}

} // namespace quorl
