ProcedureDLL More()
EndProcedure
