ProcedureDLL Three()
EndProcedure
