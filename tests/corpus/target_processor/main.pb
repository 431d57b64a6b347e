; NppPlugin.dll - a Notepad++ plugin: the 32-bit build passes the handles one by one
EnableExplicit

Structure NppData
  nppHandle.i
  scintillaMainHandle.i
  scintillaSecondHandle.i
EndStructure

CompilerIf #PB_Compiler_Processor = #PB_Processor_x86
  ProcedureCDLL setInfo(*a, *b, *c)
  EndProcedure
CompilerElse
  ProcedureCDLL setInfo(*Npp.NppData)
  EndProcedure
CompilerEndIf

ProcedureCDLL.i getName()
  ProcedureReturn @"Sorter"
EndProcedure
