ProcedureDLL.s Greet(name.s = "Hi, you") ; "x"
EndProcedure
ProcedureDLL F(a,
b)
