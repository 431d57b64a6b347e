ProcedureDLL Two()
EndProcedure
