int Copy(Data& d)
{
#if 0
	a = b;
	m_nCount	= 0;
#endif
	x = obj.GetY();
	pDX->SetValue(pSrc->GetValue());
	ar << m_a << m_b;
	return a + b;
}
//{
//	int y;
//}
int z;