// A picture object (IPictureDisp) made from one of a module's bitmap resources.
#pragma once

#include "win32/com_ptr.h"
#include "win32/win_api.h"

namespace win32 {

// The picture owns the bitmap; empty when the resource or the picture cannot be had.
ComPtr<IDispatch> PictureFromBitmap(HMODULE module, long bitmapId);

}  // namespace win32
