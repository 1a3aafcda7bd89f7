#include "x.h"

CView::CView()
{
}

CView::~CView()
{
}

void CView::Draw(CDC* pDC) const
{
}

void CView::Set(int n,BOOL b)
{
}

int CView::s_count;
