#pragma once

// What "quorl --help" and "quorl --version" print. They are answered before the window system
// starts, so that they work on a terminal without a display, as the other programs' do.

#include <QString>
#include <QStringList>

#include <optional>

namespace quorl {

// The text to print before ending, when the arguments after the program name ask for the
// usage or the version before any "--"; nothing when they name work for the window.
std::optional<QString> programInfoAsked(const QStringList& arguments);

} // namespace quorl
