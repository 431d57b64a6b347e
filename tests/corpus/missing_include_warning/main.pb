; Logger.dll - log lines for the host program
EnableExplicit

XIncludeFile "lib/logfile.pbi"
IncludeFile "version.pbi"      ; written by the build script

ProcedureDLL.l Log_Version()
  ProcedureReturn #PB_Compiler_Version
EndProcedure
