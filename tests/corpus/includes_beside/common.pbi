; State shared by the whole library
Global LastLength.l

Procedure RememberLength(s.s)
  LastLength = Len(s)
EndProcedure

ProcedureDLL.l LastResultLength()
  ProcedureReturn LastLength
EndProcedure
