; Stats.dll - statistics over PureBasic arrays, lists and maps
; (for PureBasic hosts only: C callers can't build these)
EnableExplicit

ProcedureDLL.d Mean(Array values.d(1), count.l)
  Protected i.l, sum.d
  For i = 0 To count - 1
    sum + values(i)
  Next
  ProcedureReturn sum / count
EndProcedure

ProcedureDLL.d Median(List values.d())
  SortList(values(), #PB_Sort_Ascending)
  SelectElement(values(), ListSize(values()) / 2)
  ProcedureReturn values()
EndProcedure

ProcedureDLL.l CountWords(text.s, Map counts.l())
  Protected i.l, n.l = CountString(text, " ") + 1
  For i = 1 To n
    counts(LCase(StringField(text, i, " "))) + 1
  Next
  ProcedureReturn MapSize(counts())
EndProcedure

ProcedureDLL.l SortNames(List names.s(), descending.l = #False)
  If descending
    SortList(names(), #PB_Sort_Descending | #PB_Sort_NoCase)
  Else
    SortList(names(), #PB_Sort_Ascending | #PB_Sort_NoCase)
  EndIf
  ProcedureReturn ListSize(names())
EndProcedure

; Herfindahl index of a market: the shares are fractions that add up to 1
ProcedureDLL.d Herfindahl(Array Share.d(1))
  Protected i.l, h.d
  For i = 0 To ArraySize(Share())
    h + Share(i) * Share(i)
  Next
  ProcedureReturn h
EndProcedure

ProcedureDLL.d SumMatrix(Array m.d(2))
  Protected r.l, c.l, sum.d
  For r = 0 To ArraySize(m(), 1)
    For c = 0 To ArraySize(m(), 2)
      sum + m(r, c)
    Next
  Next
  ProcedureReturn sum
EndProcedure
