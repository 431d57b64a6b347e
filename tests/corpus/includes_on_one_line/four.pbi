ProcedureDLL Four()
EndProcedure
