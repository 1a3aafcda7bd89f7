class CView : public CWnd
{
public:
	CView();
	virtual ~CView();

	// Drawing
	virtual void Draw(CDC* pDC) const;
	void Set(int n = 0, BOOL b = TRUE);
	static int s_count;

protected:
	int		m_nCount;
	CView();
	virtual ~CView();
	virtual void	Draw(CDC* pDC) const;
	void	Set(int n=0,BOOL b=TRUE);
	static int	s_count;
};
