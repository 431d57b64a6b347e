; Broken.dll - a declaration after an include keeps its own line
XIncludeFile "one.pbi" : ProcedureDLL.l Broken
