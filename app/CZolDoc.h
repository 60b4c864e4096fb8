#pragma once

// The document: the radio's memory image and the file it came from. It is never marked as
// modified, so nothing ever asks to save.

#include "ChannelFile.h"
#include "ChannelList.h"
#include "RadioImage.h"

#include <QString>

namespace quorl {

class CZolView;

class CZolDoc {
public:
    CZolDoc();

    quorl::RadioImage& image() { return image_; }
    const QString& pathName() const { return pathName_; }

    // The view whose table and panel a save stores.
    void setView(CZolView* view) { view_ = view; }

    // Factory image, no file name.
    void OnNewDocument();
    // Loads the file; on success it becomes the document's file. On failure the image and
    // the file name stay as they were.
    quorl::FileResult OnOpenDocument(const QString& path);
    // Makes a new untitled document of a channel list (CSV). When nothing opens, the image and
    // the file name stay as they were.
    quorl::ChannelListOpen OnOpenChannelList(const QString& path, const quorl::ToneTable& tones);
    // Brings the image up to date from the view, then writes it; on success the file becomes
    // the document's file. A channel list (".csv") gets the channel table, and the document
    // keeps its file, which alone holds the settings.
    quorl::FileResult OnSaveDocument(const QString& path);

private:
    quorl::RadioImage image_;
    QString pathName_;
    CZolView* view_ = nullptr;
};

} // namespace quorl
