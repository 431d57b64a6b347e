; An include in a macro's body belongs to the macro: it is followed where the macro is used,
; not where the macro is defined.
Macro Inc(f) : XIncludeFile f : EndMacro
Macro Unused
  XIncludeFile "unused.pbi"
EndMacro
Inc("a.pbi") : ProcedureDLL After()
