; Preprocessor.dll - expands the include lines of the host's own script language
;
; For a debug build, uncomment the next line:
; XIncludeFile "debug.pbi"
EnableExplicit

XIncludeFile "api.pbi" ; the exported plugin API

Global IncludeFile$ = "main.script"
Global NewList Pending.s()

ProcedureDLL Init() ; call before IncludeFile
  ClearList(Pending())
EndProcedure

ProcedureDLL.l AddIncludeFile(path.s)
  AddElement(Pending())
  Pending() = path
  ProcedureReturn ListSize(Pending())
EndProcedure

ProcedureDLL.s LastError()
  ProcedureReturn "IncludeFile not found: " + IncludeFile$
EndProcedure
