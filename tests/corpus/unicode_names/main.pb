; Главный файл: UTF-8 with a byte-order mark, as the PureBasic IDE saves it
XIncludeFile "café.pbi"
XIncludeFile "模块.pbi"
XIncludeFile "ЖУК.pbi" ; the file is жук.pbi: letter case beyond ASCII
XIncludeFile "нет.pbi"
ProcedureDLL.s Main(a.s = "日本 Ελλάδα", n.l = 2)
EndProcedure
