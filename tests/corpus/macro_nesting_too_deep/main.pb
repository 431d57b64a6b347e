; Strings.dll - a macro that names itself never ends
Macro Text(x) : Text(x + "!") : EndMacro

ProcedureDLL.s Shout(s.s)
  ProcedureReturn Text(s)
EndProcedure
