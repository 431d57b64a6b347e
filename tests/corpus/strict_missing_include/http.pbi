ProcedureDLL.s Http_GetText(url.s)
  Protected *buf = ReceiveHTTPMemory(url)
  Protected text.s
  If *buf
    text = PeekS(*buf, MemorySize(*buf), #PB_UTF8 | #PB_ByteLength)
    FreeMemory(*buf)
  EndIf
  ProcedureReturn text
EndProcedure
