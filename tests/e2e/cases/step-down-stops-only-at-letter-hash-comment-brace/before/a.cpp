x

// c
_u
1
}
  a
~d
/x

Z


#include <x>


/* c */


{
   
