#include "RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace quorl {

namespace {

const QString kGroup = QStringLiteral("Recent File List");
constexpr int kLongPath = 30;

QString entryKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

void RecentFileList::load() {
    QSettings settings;
    settings.beginGroup(kGroup);
    paths_.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(entryKey(i)).toString();
        if (!path.isEmpty() && !paths_.contains(path))
            paths_.append(path);
    }
}

void RecentFileList::add(const QString& path) {
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kSize)
        paths_.removeLast();
    save();
}

void RecentFileList::remove(int index) {
    if (index < 0 || index >= paths_.size())
        return;
    paths_.removeAt(index);
    save();
}

void RecentFileList::save() const {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        if (i < paths_.size())
            settings.setValue(entryKey(i), paths_[i]);
        else
            settings.remove(entryKey(i));
    }
}

QString recentFileMenuText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kLongPath) {
        const QChar separator = QDir::separator();
        const qsizetype firstFolderEnd = shown.indexOf(separator, 1);
        const QString start = firstFolderEnd > 0 ? shown.left(firstFolderEnd + 1) : QString();
        shown = start + QStringLiteral("...") + separator + QFileInfo(path).fileName();
    }
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace quorl
