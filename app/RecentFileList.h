#pragma once

// The recent-file list of the File menu: up to four paths, newest first, kept in the
// settings storage between runs.

#include <QString>
#include <QStringList>

namespace quorl {

class RecentFileList {
public:
    static constexpr int kSize = 4;

    // Reads the list from the settings storage.
    void load();

    const QStringList& paths() const { return paths_; }

    // Puts a file at the top (moving it there if it is already listed) and stores the list.
    void add(const QString& path);
    // Drops an entry, for example a file that could not be opened, and stores the list.
    void remove(int index);

private:
    void save() const;

    QStringList paths_;
};

// "&1 " followed by the path, shortened to its first folder and file name when long.
QString recentFileMenuText(int index, const QString& path);

} // namespace quorl
