; Error texts shared by every DLL of the suite – keep it ASCII-safe
Global LastErrorText$

Procedure SetLastErrorText(text$)
  LastErrorText$ = text$
EndProcedure

ProcedureDLL.s GetLastErrorText()
  ProcedureReturn LastErrorText$
EndProcedure
