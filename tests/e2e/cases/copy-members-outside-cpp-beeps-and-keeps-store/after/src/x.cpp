#include "x.h"

/*virtual*/ void CView::Draw(CDC* pDC) const
{
	// 
}
