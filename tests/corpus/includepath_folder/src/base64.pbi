ProcedureDLL.s Base64Text(text.s)
  Protected *buf = UTF8(text), result.s
  result = Base64Encoder(*buf, MemorySize(*buf) - 1)
  FreeMemory(*buf)
  ProcedureReturn result
EndProcedure
