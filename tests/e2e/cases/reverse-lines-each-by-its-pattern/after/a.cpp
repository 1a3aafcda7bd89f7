int Copy(Data& d)
{
	b = a;
	0			= m_nCount;
	obj.SetY(x);
	pSrc->SetValue(pDX->GetValue());
	ar >> m_a << m_b;
	return a + b;
}
//{
//	int y;
//}
int z;