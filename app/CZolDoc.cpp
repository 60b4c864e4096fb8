#include "CZolDoc.h"

#include "FileDialogs.h"
#include "FileNames.h"

namespace quorl {

namespace {

std::filesystem::path toPath(const QString& path) {
    return quorl::fileNameToBytes(path).toStdString();
}

} // namespace

CZolDoc::CZolDoc() {
    quorl::resetImage(image_);
}

void CZolDoc::OnNewDocument() {
    pathName_.clear();
    quorl::resetImage(image_);
    emit imageReplaced();
}

quorl::FileResult CZolDoc::OnOpenDocument(const QString& path) {
    quorl::FileResult result = quorl::loadChannelFile(toPath(path), image_);
    if (result.ok) {
        pathName_ = path;
        emit imageReplaced();
    }
    return result;
}

quorl::ChannelListOpen CZolDoc::OnOpenChannelList(const QString& path,
                                                  const quorl::ToneTable& tones) {
    quorl::ChannelListOpen result = quorl::openChannelList(toPath(path), tones, image_);
    if (result.opened) {
        pathName_.clear();
        emit imageReplaced();
    }
    return result;
}

quorl::FileResult CZolDoc::OnSaveDocument(const QString& path) {
    emit aboutToSave();
    if (isChannelListName(path))
        return quorl::saveChannelList(toPath(path), image_);
    quorl::FileResult result = quorl::saveChannelFile(toPath(path), image_);
    if (result.ok)
        pathName_ = path;
    return result;
}

void CZolDoc::adoptRead(const quorl::RadioImage& image) {
    image_ = image;
    emit imageRead();
}

} // namespace quorl
