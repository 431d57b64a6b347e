#Width = 10
Structure Point
  x.l : y.l
EndStructure
Dim a.s(#Width)
name$ = "café"
