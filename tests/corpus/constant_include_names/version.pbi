; an old copy, beside the main file
ProcedureDLL.l Archive_Version()
  ProcedureReturn 1
EndProcedure
