c = 'A' : d = '' : x = $1F + %101 - 1.5e-3
*p.Point = @pt
If a<=b And x<>$FF : Debug "a "b" c" : EndIf
