ProcedureDLL One()
EndProcedure
