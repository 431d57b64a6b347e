ProcedureDLL.l Add(*a, b.l)
  ProcedureReturn a + b ; sum
EndProcedure
