int setup();
int reset();
int other();

inline int Helper()
{
    return 3;
}
