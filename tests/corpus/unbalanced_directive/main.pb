; Timer.dll
CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  ProcedureDLL.l Timer_Resolution()
    ProcedureReturn 1
  EndProcedure

ProcedureDLL.q Timer_Now()
  ProcedureReturn ElapsedMilliseconds()
EndProcedure
