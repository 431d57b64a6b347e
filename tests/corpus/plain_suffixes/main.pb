; MiniCalc.dll - a few arithmetic helpers for the host program
; Build: Compiler > Compiler Options > Executable format: Shared DLL
EnableExplicit

Global LastError.l

; Private: not exported, callers go through SafeAdd()
Procedure.l Clamp(v.l, lo.l, hi.l)
  If v < lo : ProcedureReturn lo : EndIf
  If v > hi : ProcedureReturn hi : EndIf
  ProcedureReturn v
EndProcedure

ProcedureDLL AttachProcess(Instance)
  LastError = 0
EndProcedure

ProcedureDLL DetachProcess(Instance)
EndProcedure

ProcedureDLL.l AddInt(a.l, b.l)
  ProcedureReturn a + b
EndProcedure

ProcedureDLL.i MulPtr(a.i, b.i)
  ProcedureReturn a * b
EndProcedure

ProcedureDLL.d Average(a.d, b.d)
  ProcedureReturn (a + b) / 2.0
EndProcedure

ProcedureDLL.f Percent(part.f, total.f)
  If total = 0.0
    LastError = 1
    ProcedureReturn 0.0
  EndIf
  ProcedureReturn part * 100.0 / total
EndProcedure

ProcedureDLL.q BigSum(a.q, b.q)
  ProcedureReturn a + b
EndProcedure

ProcedureDLL.s VersionText()
  ProcedureReturn "MiniCalc 1.2"
EndProcedure

ProcedureDLL.l SafeAdd(a.l, b.l, lo.l, hi.l)
  ProcedureReturn Clamp(a + b, lo, hi)
EndProcedure

ProcedureDLL.l GetLastError()
  ProcedureReturn LastError
EndProcedure
