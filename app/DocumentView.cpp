#include "DocumentView.h"

#include "CZolDoc.h"
#include "CZolView.h"
#include "TransferController.h"

namespace quorl {

void connectDocumentAndView(CZolDoc& document, CZolView& view) {
    QObject::connect(&document, &CZolDoc::imageReplaced, &view, &CZolView::OnInitialUpdate);
    QObject::connect(&document, &CZolDoc::imageRead, &view, &CZolView::DecodeImage);
    QObject::connect(&document, &CZolDoc::aboutToSave, &view, &CZolView::EncodeImage);
    QObject::connect(&view.transfer(), &TransferController::readCompleted, &document,
                     &CZolDoc::adoptRead);
}

} // namespace quorl
