#pragma once

// How the view shows the document: it starts afresh on a new or opened image, shows a read from
// the radio, and stores its working copy into the image before a save. A read that the view's
// transfers complete goes to the document, which alone replaces its image.

namespace quorl {

class CZolDoc;
class CZolView;

void connectDocumentAndView(CZolDoc& document, CZolView& view);

} // namespace quorl
