; {PB+} marker
;{PB+}:dir/a.pb
x
y