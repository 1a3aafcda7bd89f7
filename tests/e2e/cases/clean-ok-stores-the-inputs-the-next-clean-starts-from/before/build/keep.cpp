int k;
