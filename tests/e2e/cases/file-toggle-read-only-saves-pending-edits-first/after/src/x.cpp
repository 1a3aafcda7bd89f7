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

void CView::Set(int n /*=0*/, BOOL b /*=TRUE*/)
{
	// 
}

/*static*/ int CView::s_count;
