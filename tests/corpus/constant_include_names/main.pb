; Archive.dll - one source for every system; the folders are named by constants
EnableExplicit

#LibFolder$ = "lib/"
XIncludeFile #LibFolder$ + "paths.pbi"

CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  #SystemFolder = "windows"
CompilerElse
  #SystemFolder = "unix"
CompilerEndIf
IncludeFile #SystemFolder + "/files.pbi"   ; the folder that is there

XIncludeFile #BuildFolder + "version.pbi"   ; set by the build script's own constants file

ProcedureDLL.l Archive_Open(path.s)
  ProcedureReturn ReadFile(#PB_Any, path)
EndProcedure
