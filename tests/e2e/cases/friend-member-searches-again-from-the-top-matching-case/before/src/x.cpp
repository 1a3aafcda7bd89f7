#include "x.h"

void CShape::draw(int x)
{
}

void CShape::Draw(int x)
{
}

void CShape::Draw(int x, int y)
{
}
