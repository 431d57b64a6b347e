; Sound helpers, built as a DLL for Windows and Linux
EnableExplicit

XIncludeFile "inc/wave.pbi"

ProcedureDLL.l SoundVersion()
  ProcedureReturn 3
EndProcedure

ProcedureCDLL.i Mix2(*left, *right, frames.l)
  ProcedureReturn 0
EndProcedure
