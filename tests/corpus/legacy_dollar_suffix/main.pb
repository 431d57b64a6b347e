; AppInfo.dll - written for PureBasic 3.x, where a string result was spelled with $
ProcedureDLL$ GetAppName()
  ProcedureReturn "Notepad--"
EndProcedure

ProcedureDLL$ GetAppPath(sub$)
  ProcedureReturn GetPathPart(ProgramFilename()) + sub$
EndProcedure

ProcedureCDLL$ GetBuildDate()
  ProcedureReturn FormatDate("%yyyy-%mm-%dd", #PB_Compiler_Date)
EndProcedure

ProcedureDLL.l GetBuild()
  ProcedureReturn 412
EndProcedure
