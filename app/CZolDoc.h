#pragma once

// The document: the radio's memory image and the file it came from. It is never marked as
// modified, so nothing ever asks to save.

#include "ChannelFile.h"
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
    // Brings the image up to date from the view, then writes it; on success the file becomes
    // the document's file.
    quorl::FileResult OnSaveDocument(const QString& path);

private:
    quorl::RadioImage image_;
    QString pathName_;
    CZolView* view_ = nullptr;
};

} // namespace quorl
