class CShape
{
public:
	void Draw(int x);
	void Draw(int x, int y);
};
