ProcedureDLL.s Dialogs_LastInput()
  ProcedureReturn LastResult\Text
EndProcedure
