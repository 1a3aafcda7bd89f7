int Copy(Data& d)
{
//	a = b;
//	m_nCount	= 0;
	x = obj.GetY();
	pDX->SetValue(pSrc->GetValue());
	ar << m_a << m_b;
	return a + b;
}
//{
//	int y;
//}
int z;