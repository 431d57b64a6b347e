ProcedureCDLL.l Twice(a.l)
CompilerIf 1
ProcedureDLL Twice(a.l,
  b.l = (1 + 2))
CompilerEndIf
