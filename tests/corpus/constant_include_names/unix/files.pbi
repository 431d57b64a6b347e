ProcedureDLL.l Archive_Mode()
  ProcedureReturn 420
EndProcedure
