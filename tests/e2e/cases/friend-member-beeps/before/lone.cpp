void Lone();
