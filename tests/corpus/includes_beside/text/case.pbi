; Upper and lower case
XIncludeFile "unicode.pbi"

ProcedureDLL.s ToUpper(text.s)
  RememberLength(text)
  ProcedureReturn UCase(text)
EndProcedure

ProcedureDLL.s ToLower(text.s)
  RememberLength(text)
  ProcedureReturn LCase(text)
EndProcedure
