; Strict.dll - every include of a line counts, and a folder is no include
XIncludeFile "one.pbi" : XIncludeFile "gone.pbi"
XIncludeFile "lib" : ProcedureDLL Kept()
EndProcedure
