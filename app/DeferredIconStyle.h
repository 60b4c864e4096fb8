#pragma once

// The application's style with one change: the style's own icons are read from their image
// files when first drawn, not when asked for. The first image file read makes Qt load every
// image-format plug-in to ask each whether it reads PNG; without this the menu bar and the
// toolbar pay for that while they are built, for overflow arrows that show only when the window
// is too narrow for them.

#include <QProxyStyle>

namespace quorl {

class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps the style the application would use; call before the first widget is made.
    static void install();

    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace quorl
