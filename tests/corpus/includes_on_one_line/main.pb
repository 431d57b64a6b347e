; Toolbox.dll - several statements a line, as the compiler reads them
XIncludeFile "one.pbi" : XIncludeFile "two.pbi" : ProcedureDLL.l Same(a.l) : EndProcedure
Sep.c = ';' : XIncludeFile "three.pbi"
Quote.c = '"' : Title$ = "a" : XIncludeFile "four.pbi" ; "five.pbi"
x = Tools::Count() : IncludeFile "five.pbi"
ProcedureDLL Last()
EndProcedure
