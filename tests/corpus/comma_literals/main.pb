; CsvTool.dll - reading and writing CSV lines
EnableExplicit

ProcedureDLL.s CsvField(line.s, index.l, sep.c = ',')
  ProcedureReturn StringField(line, index, Chr(sep))
EndProcedure

ProcedureDLL.s CsvJoin(a.s, b.s, sep.s = ",")
  ProcedureReturn a + sep + b
EndProcedure

ProcedureDLL.s FormatPoint(x.l, y.l, fmt.s = "(%d, %d)")
  fmt = ReplaceString(fmt, "%d", Str(x), #PB_String_CaseSensitive, 1, 1)
  ProcedureReturn ReplaceString(fmt, "%d", Str(y))
EndProcedure

ProcedureDLL.s DefaultHeader(columns.s = "id,name,email")
  ProcedureReturn columns + #CRLF$
EndProcedure

ProcedureDLL.l CsvCount(line.s, sep.c = ',', escape.c = '\')
  ; escape: the character written in front of a separator inside a field
  ProcedureReturn CountString(line, Chr(sep)) + 1
EndProcedure
