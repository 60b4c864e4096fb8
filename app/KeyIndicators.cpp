#include "KeyIndicators.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace quorl {

namespace {

// Lock bits of the X key event state.
constexpr quint32 kX11CapsLock = 0x02;
constexpr quint32 kX11NumLock = 0x10;

QLabel* addPane(QStatusBar* statusBar, const QString& text) {
    auto* pane = new QLabel(text, statusBar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
    pane->setEnabled(false);
    statusBar->addPermanentWidget(pane);
    return pane;
}

} // namespace

KeyIndicators::KeyIndicators(QStatusBar* statusBar)
    : QObject(statusBar), caps_(addPane(statusBar, QStringLiteral("CAP"))),
      num_(addPane(statusBar, QStringLiteral("NUM"))),
      scroll_(addPane(statusBar, QStringLiteral("SCRL"))) {}

void KeyIndicators::keyEvent(const QKeyEvent& key) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        caps_->setEnabled(key.nativeModifiers() & kX11CapsLock);
        num_->setEnabled(key.nativeModifiers() & kX11NumLock);
    }
    if (key.type() == QEvent::KeyPress && key.key() == Qt::Key_ScrollLock && !key.isAutoRepeat())
        scroll_->setEnabled(!scroll_->isEnabled());
}

} // namespace quorl
