#include "win32/bitmap_picture.h"

#include <olectl.h>

namespace win32 {

ComPtr<IDispatch> PictureFromBitmap(HMODULE module, long bitmapId) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bitmap)
        return {};
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    ComPtr<IDispatch> picture;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                        reinterpret_cast<void**>(picture.Receive())))) {
        DeleteObject(bitmap);
        return {};
    }
    return picture;
}

}  // namespace win32
