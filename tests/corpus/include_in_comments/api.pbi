; Plugin API, exported by the DLL
ProcedureDLL.l Plugin_Count()
  ProcedureReturn 0
EndProcedure

ProcedureDLL.s Plugin_Name(index.l)
  ProcedureReturn "preprocessor"
EndProcedure
