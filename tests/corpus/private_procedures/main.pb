; Settings.dll - key/value settings kept in memory for the host
; Only the ProcedureDLL ones are exported; everything else stays private.
;   ProcedureDLL OldApi()   <- removed in 2.0, keep the name free
EnableExplicit

Declare.s ReadKey(key.s)
DeclareDLL.l Settings_Count()

Structure Entry
  Key.s
  Value.s
EndStructure

Global NewList Entries.Entry()

Procedure.s ReadKey(key.s)
  ForEach Entries()
    If Entries()\Key = key
      ProcedureReturn Entries()\Value
    EndIf
  Next
  ProcedureReturn ""
EndProcedure

ProcedureC.l CompareEntries(*a.Entry, *b.Entry)
  ProcedureReturn Bool(*a\Key > *b\Key)
EndProcedure

ProcedureDLL.l Settings_Count()
  ProcedureReturn ListSize(Entries())
EndProcedure

ProcedureDLL.s Settings_Get(key.s)
  ProcedureReturn ReadKey(key)
EndProcedure

ProcedureDLL Settings_Set(key.s, value.s)   ; adds or replaces
  ForEach Entries()
    If Entries()\Key = key
      Entries()\Value = value
      ProcedureReturn
    EndIf
  Next
  AddElement(Entries())
  Entries()\Key = key
  Entries()\Value = value
EndProcedure

ProcedureDLL Settings_Clear()
  Debug "ProcedureDLL Settings_Clear called"
  ClearList(Entries())
EndProcedure
