#include "x.h"

int CView::m_nCount;
