; ConsoleKit.dll - console helpers for the build scripts
; Note: don't call these before OpenConsole()
EnableExplicit

Macro Quote
  '
EndMacro

Global Font$ = "Mono" ; "Fixed" isn't there on every system
Global Separator.c = ';'
Global RuleChar.c = '-'

Procedure.l IsSeparator(c.c)
  Select c
    Case ';'
      ProcedureReturn #True
    Case ','
      ProcedureReturn #True
  EndSelect
  ProcedureReturn #False
EndProcedure

ProcedureDLL.s GetFontName()
  ProcedureReturn Font$
EndProcedure

ProcedureDLL SetFontName(name.s)
  Font$ = name
EndProcedure

ProcedureDLL.l CountSeparators(line.s)   ; counts ';' and ','
  Protected i.l, n.l
  For i = 1 To Len(line)
    If IsSeparator(Asc(Mid(line, i, 1)))
      n + 1
    EndIf
  Next
  ProcedureReturn n
EndProcedure

ProcedureDLL.c GetSeparator()
  ProcedureReturn Separator
EndProcedure

ProcedureDLL SetRuleChar(c.c = '-')
  RuleChar = c
EndProcedure
