; MathLib - a small DLL to show what gantrell exports.
EnableExplicit

XIncludeFile "strings.pbi"

ProcedureDLL.l Add(a.l, b.l)
  ProcedureReturn a + b
EndProcedure

ProcedureDLL.d Scale(value.d, *factor.Double)
  ProcedureReturn value * *factor\d
EndProcedure

; Not exported: a plain Procedure.
Procedure Helper(x)
  ProcedureReturn x * 2
EndProcedure

ProcedureDLL Reset()
EndProcedure
