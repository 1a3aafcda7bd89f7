int Copy(Data& d)
{
	b = a;
	0			= m_nCount;
	x = obj.GetY();
	pDX->SetValue(pSrc->GetValue());
	ar << m_a << m_b;
	return a + b;
}
//{
//	int y;
//}
int z;