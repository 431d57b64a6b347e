; StrLib.dll - string helpers for the host application (Unicode build)
EnableExplicit

ProcedureDLL.s Utf8ToUnicode(*utf8)
  ProcedureReturn PeekS(*utf8, -1, #PB_UTF8)
EndProcedure

ProcedureDLL.i UnicodeToUtf8(text.s)
  ProcedureReturn UTF8(text)   ; the caller frees it with StrLib_Free()
EndProcedure

ProcedureDLL StrLib_Free(*mem)
  If *mem : FreeMemory(*mem) : EndIf
EndProcedure

ProcedureDLL.s Base64EncodeString(text.s)
  Protected *buf = UTF8(text)
  Protected result.s = Base64Encoder(*buf, MemorySize(*buf) - 1)
  FreeMemory(*buf)
  ProcedureReturn result
EndProcedure

ProcedureDLL.s JoinFields(a.s, b.s, sep.s = ", ")
  ProcedureReturn a + sep + b
EndProcedure

ProcedureDLL.s SplitField(text.s, index.l, sep.s = ",")
  ProcedureReturn StringField(text, index, sep)
EndProcedure

ProcedureDLL.l CountFields(text.s, sep.c = ',')
  ProcedureReturn CountString(text, Chr(sep)) + 1
EndProcedure

ProcedureDLL.s PadLeft(text.s, width.l, pad.s = " ")
  ProcedureReturn RSet(text, width, pad)
EndProcedure

; For the C plugin loader
ProcedureCDLL.l StrLib_Utf8Len(*utf8)
  ProcedureReturn MemoryStringLength(*utf8, #PB_UTF8)
EndProcedure
