; TextTools.dll - built from the same files the test program includes
EnableExplicit

XIncludeFile "trim.pbi"

CompilerIf #PB_Compiler_IsMainFile
  ProcedureDLL.l TextTools_Version()
    ProcedureReturn 3
  EndProcedure
CompilerEndIf
