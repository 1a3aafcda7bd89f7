void lone()
{
}
