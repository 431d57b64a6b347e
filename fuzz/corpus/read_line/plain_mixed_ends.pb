a
bc

d