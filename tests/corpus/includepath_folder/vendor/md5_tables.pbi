DataSection
  Md5Shifts:
  Data.l 7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21
EndDataSection

ProcedureDLL.l Md5_TableSize()
  ProcedureReturn 16
EndProcedure
