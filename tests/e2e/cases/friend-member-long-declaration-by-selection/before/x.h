#pragma once

class CShape
{
public:
	CShape();
	~CShape();

	void Draw(int x, int y);
	void Move(int x,
	          int y,
	          int z);
	STDMETHOD(Resize)(int cx);
	static int s_count;
};

int Sum(int a, int b);
