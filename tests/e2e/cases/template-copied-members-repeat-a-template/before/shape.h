class CShape
{
public:
	int m_nWidth;
	virtual void Draw(CDC* pDC) const;
private:
	static int s_count;
};
