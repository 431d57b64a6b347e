XIncludeFile "unicode.pbi"

ProcedureDLL.s TrimAll(text.s)
  RememberLength(text)
  ProcedureReturn Trim(Trim(text), Chr(9))
EndProcedure
