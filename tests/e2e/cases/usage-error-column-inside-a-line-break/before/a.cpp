ab
cde
