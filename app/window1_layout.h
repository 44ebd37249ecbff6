#pragma once

#include "framework/text.h"

namespace yorvane {

// The property blobs of the main window and its controls, as SetProperties
// reads them.
framework::String Window1Blob();
framework::String ST1Blob();
framework::String fileselectBlob();
framework::String Rectangle1Blob();
framework::String dropBlob();
framework::String makejsxBlob();
framework::String setacrobatBlob();
framework::String pageplusBlob();
framework::String Label1Blob();

}  // namespace yorvane
