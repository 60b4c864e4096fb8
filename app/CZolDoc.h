#pragma once

// The document: the radio's memory image and the file it came from. It says when its image is
// replaced by a new or opened one or by a read from the radio, and when it is about to be saved;
// the view decodes it and encodes into it then. It is never marked as modified,
// so nothing ever asks to save.

#include "ChannelFile.h"
#include "ChannelList.h"
#include "RadioImage.h"

#include <QObject>
#include <QString>

namespace quorl {

class CZolDoc final : public QObject {
    Q_OBJECT

public:
    CZolDoc();

    quorl::RadioImage& image() { return image_; }
    const QString& pathName() const { return pathName_; }

    // Factory image, no file name.
    void OnNewDocument();
    // Loads the file; on success it becomes the document's file. On failure the image and
    // the file name stay as they were.
    quorl::FileResult OnOpenDocument(const QString& path);
    // Makes a new untitled document of a channel list (CSV). When nothing opens, the image and
    // the file name stay as they were.
    quorl::ChannelListOpen OnOpenChannelList(const QString& path, const quorl::ToneTable& tones);
    // Brings the image up to date (aboutToSave), then writes it; on success the file becomes
    // the document's file. A channel list (".csv") gets the channel table, and the document
    // keeps its file, which alone holds the settings.
    quorl::FileResult OnSaveDocument(const QString& path);
    // A complete read from the radio takes the image's place; the file stays the document's.
    void adoptRead(const quorl::RadioImage& image);

signals:
    // A new or opened document took the place of the old one.
    void imageReplaced();
    // A read from the radio took the image's place: the document goes on, with the radio's data.
    void imageRead();
    // The image is about to be written: whoever shows it in another form stores that now.
    void aboutToSave();

private:
    quorl::RadioImage image_;
    QString pathName_;
};

} // namespace quorl
