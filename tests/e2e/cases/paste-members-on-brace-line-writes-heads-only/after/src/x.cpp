#include "x.h"

CView::CView()
{
}
