; ---------------------------------------------------------------
;  ImageTools.dll
;  Compiler options: Shared DLL, Unicode, thread safe
;  Folders: Include\ (helpers), Modules\ (the tools), ..\Common\
; ---------------------------------------------------------------
EnableExplicit

XIncludeFile "Include\Helpers.PBI"
XIncludeFile "Modules\Resize.pbi"
XIncludeFile "modules\filters.pbi"

ProcedureDLL AttachProcess(Instance)
  UseJPEGImageDecoder()
  UsePNGImageDecoder()
EndProcedure

ProcedureDLL.l ImageTools_Version()
  ProcedureReturn 120
EndProcedure
