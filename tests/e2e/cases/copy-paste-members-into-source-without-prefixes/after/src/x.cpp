#include "x.h"

CView::CView()
{
	// Construct
}

CView::~CView()
{
	// Destruct
}

void CView::Draw(CDC* pDC) const
{
	// 
}

void CView::Set(int n /*=0*/, BOOL b /*=TRUE*/)
{
	// 
}

int CView::s_count;
