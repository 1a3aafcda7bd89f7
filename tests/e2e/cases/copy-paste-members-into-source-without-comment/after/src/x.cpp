#include "x.h"

CView::CView()
{
}

/*virtual*/ CView::~CView()
{
}

/*virtual*/ void CView::Draw(CDC* pDC) const
{
}

void CView::Set(int n /*=0*/, BOOL b /*=TRUE*/)
{
}

/*static*/ int CView::s_count;
