; Plain text log files
Global LogFile.i

CompilerIf #PB_Compiler_OS = #PB_OS_Linux
  XIncludeFile "syslog.pbi"
CompilerEndIf

ProcedureDLL.l Log_Open(path.s)
  LogFile = OpenFile(#PB_Any, path, #PB_File_Append)
  ProcedureReturn Bool(LogFile <> 0)
EndProcedure

ProcedureDLL Log_Write(text.s)
  If LogFile : WriteStringN(LogFile, FormatDate("%yyyy-%mm-%dd %hh:%ii:%ss", Date()) + "  " + text) : EndIf
EndProcedure

ProcedureDLL Log_Close()
  If LogFile : CloseFile(LogFile) : LogFile = 0 : EndIf
EndProcedure
