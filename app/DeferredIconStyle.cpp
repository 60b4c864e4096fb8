#include "DeferredIconStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>

#include <optional>

namespace quorl {

namespace {

// Asks the style for its icon at the icon's first use and hands every request on to it. The
// style and the widget are watched, so an icon first used after either is gone stays empty
// or is read without the widget rather than touching what no longer exists.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget)
        : style_(style), which_(which), widget_(widget) {
        if (option)
            option_ = *option;
    }

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }

private:
    const QIcon& icon() {
        if (!icon_)
            icon_ = style_ ? style_->standardIcon(which_, option_ ? &*option_ : nullptr, widget_)
                           : QIcon();
        return *icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QStyleOption> option_;
    QPointer<const QWidget> widget_;
    std::optional<QIcon> icon_;
};

} // namespace

void DeferredIconStyle::install() {
    if (!qobject_cast<DeferredIconStyle*>(QApplication::style()))
        QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    return QIcon(new DeferredIconEngine(baseStyle(), which, option, widget));
}

} // namespace quorl
