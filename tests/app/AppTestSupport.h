#pragma once

// Helpers for the application tests: a started program, files of known bytes, and the
// file dialogs answered by typing into them.

#include "RadioImage.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace quorl {
class CZolApp;
}

using namespace quorl;

class QMenu;
class QWidget;

namespace apptest {

// A program started as with no arguments, its window shown and active.
std::unique_ptr<CZolApp> startApp();

// Once the program shows its open or save dialog, types this name and presses Enter; with a
// filter named, first chooses it in the list of file types as a user would.
void typeIntoNextFileDialog(const QString& name, const QString& filter = {});

// Once a modal dialog shows, hands it to the check and closes it.
void inspectNextModal(std::function<void(QWidget*)> check);

QByteArray imageBytes(const quorl::RadioImage& image);
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Channel 1..199 with receive and transmit in 10 Hz units and a name, otherwise as after New.
void putChannel(quorl::RadioImage& image, int channel, std::uint32_t receive,
                std::uint32_t transmit, const char* name);

// The top-level menu with this title.
QMenu* menuNamed(QWidget* frame, const QString& title);

} // namespace apptest
