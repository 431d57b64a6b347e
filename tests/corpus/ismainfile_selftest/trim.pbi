; Trimming helpers, with a self-test that runs when this file is compiled on its own.

ProcedureDLL.s TrimAll(text.s)
  ProcedureReturn Trim(Trim(text), #TAB$)
EndProcedure

CompilerIf #PB_Compiler_IsMainFile
  ProcedureDLL SelfTest()
    Debug TrimAll("  x  ")
  EndProcedure
  SelfTest()
CompilerEndIf
