#include "x.h"

CView::CView()
{
	// Construct
}

/*virtual*/ CView::~CView()
{
	// Destruct
}

/*virtual*/ void CView::Draw(CDC* pDC) const
{
	// 
}

void CView::Set(int n, BOOL b)
{
	// 
}

/*static*/ int CView::s_count;
