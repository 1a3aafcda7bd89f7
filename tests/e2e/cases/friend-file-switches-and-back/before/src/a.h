int a();
