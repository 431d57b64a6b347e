ProcedureDLL Five()
EndProcedure
