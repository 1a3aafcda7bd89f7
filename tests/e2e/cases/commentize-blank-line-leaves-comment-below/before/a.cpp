int a;

/* note */
int b;
