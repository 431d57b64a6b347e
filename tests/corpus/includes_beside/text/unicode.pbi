; Character classes, used by every file in text/
Procedure.l IsSpace(c.c)
  Select c
    Case 9, 10, 13, 32
      ProcedureReturn #True
  EndSelect
  ProcedureReturn #False
EndProcedure

ProcedureDLL.l IsBlank(text.s)
  Protected i.l
  For i = 1 To Len(text)
    If Not IsSpace(Asc(Mid(text, i, 1)))
      ProcedureReturn #False
    EndIf
  Next
  ProcedureReturn #True
EndProcedure
