#include "FileDialogs.h"

#include <QFileDialog>

namespace quorl {

QString askChannelFileName(QWidget* parent, FileDialogMode mode, const QString& initialPath) {
    const bool open = mode == FileDialogMode::Open;
    QFileDialog dialog(parent, open ? QStringLiteral("Open") : QStringLiteral("Save As"));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(
        {QStringLiteral("Channel Data (*.sin)"), QStringLiteral("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("sin"));
    if (!initialPath.isEmpty())
        dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace quorl
