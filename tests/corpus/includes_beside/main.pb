; TextKit.dll - main file
EnableExplicit

XIncludeFile "common.pbi"
XIncludeFile "text/case.pbi"
XIncludeFile "text/trim.pbi"

ProcedureDLL.l TextKit_Version()
  ProcedureReturn 3
EndProcedure
