; String helpers, pulled in by mathlib.pb.

ProcedureDLL.s Greeting(name.s)
  ProcedureReturn "Hello, " + name + "!"
EndProcedure

ProcedureDLL.i CountChar(text.s, char.c = ',')
  Protected count, i
  For i = 1 To Len(text)
    If Mid(text, i, 1) = Chr(char) : count + 1 : EndIf
  Next
  ProcedureReturn count
EndProcedure
