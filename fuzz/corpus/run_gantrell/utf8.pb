ProcedureDLL.d Scale(v.d, *f.Double) ; café
EndProcedure