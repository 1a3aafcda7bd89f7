#include "x.h"

int CShape::s_count = 0;

CShape::CShape()
{
}

CShape::~CShape()
{
}

void CShape::Draw(int x, int y)
{
	int area = x * y;
}

void CShape::Move(int x, int y, int z)
{
}

STDMETHODIMP CShape::Resize(int cx)
{
	return S_OK;
}

int Sum(int a, int b)
{
	return a + b;
}
