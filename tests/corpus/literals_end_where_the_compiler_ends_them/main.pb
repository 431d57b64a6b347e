; Literals as the compiler reads them: a string ends at the next double quote, an escaped
; string at the next one that no backslash escapes, a character literal is kept as written.
ProcedureDLL Connect(host.s = "", user.s = "") ; e.g. "admin"
ProcedureDLL.c Sep(c.c = ' ', d.c = ';', q.c = '"')
ProcedureDLL Login(Login.s = "", Password.s = "")
ProcedureDLL Esc(s.s = ~"tab\t\"q\"", t.s = ~"\\") ; "x"
ProcedureDLL Joined(a.s = "x" + "y", b.s = "1, 2") ; "," and ";"
