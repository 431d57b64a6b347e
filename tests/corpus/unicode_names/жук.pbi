ProcedureCDLL.d Beetle(x.d, name.s = "жук")
EndProcedure
