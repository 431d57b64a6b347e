; Dialogs.dll - ready-made dialogs for the host program
; Every include is written relative to this file, as the old compiler wanted.
EnableExplicit

XIncludeFile "shared/types.pbi"
XIncludeFile "gui/dialogs.pbi"
XIncludeFile "gui/colors.pbi"

ProcedureDLL.l Dialogs_Version()
  ProcedureReturn 5
EndProcedure
