; LogReader.dll - converted from a PureBasic 3.94 project, old spelling kept
PROCEDUREDLL.L OpenLog(File.s)
  PROCEDURERETURN ReadFile(0, File)
ENDPROCEDURE

proceduredll CloseLog()
  CloseFile(0)
endprocedure

ProcedureDll.S ReadEntry(Index.l)
  FileSeek(0, 0)
  While Index > 0 And Eof(0) = 0
    ReadString(0)
    Index - 1
  Wend
  ProcedureReturn ReadString(0)
EndProcedure

; Share: 1 = others may read the log while it is open
ProcedureDLL.l OpenShared(File.s, Share.l = 1)
  If Share
    ProcedureReturn ReadFile(0, File, #PB_File_SharedRead)
  EndIf
  ProcedureReturn ReadFile(0, File)
EndProcedure

ProcedureDLL.l RunFilter(Command.s, *StdOut)
  Protected prog = RunProgram(Command, "", "", #PB_Program_Open | #PB_Program_Read)
  If prog
    PokeS(*StdOut, ReadProgramString(prog))
    CloseProgram(prog)
  EndIf
  ProcedureReturn Bool(prog <> 0)
EndProcedure
