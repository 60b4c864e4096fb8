#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace quorl {

namespace {

const QString kChannelDataFilter = QStringLiteral("Channel Data (*.sin)");
const QString kChannelListFilter = QStringLiteral("Channel lists (*.csv)");
const QString kChannelDataSuffix = QStringLiteral("sin");
const QString kChannelListSuffix = QStringLiteral("csv");

} // namespace

QString askChannelFileName(QWidget* parent, FileDialogMode mode, const QString& initialPath) {
    const bool open = mode == FileDialogMode::Open;
    QFileDialog dialog(parent, open ? QStringLiteral("Open") : QStringLiteral("Save As"));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(
        {kChannelDataFilter, kChannelListFilter, QStringLiteral("All Files (*)")});
    dialog.setDefaultSuffix(kChannelDataSuffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f == kChannelListFilter ? kChannelListSuffix : kChannelDataSuffix);
    });
    if (!initialPath.isEmpty())
        dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool isChannelListName(const QString& path) {
    return QFileInfo(path).suffix().compare(kChannelListSuffix, Qt::CaseInsensitive) == 0;
}

} // namespace quorl
