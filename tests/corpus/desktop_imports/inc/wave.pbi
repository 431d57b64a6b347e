; common.pbi is not in inc/: the compiler finds it beside the main source.
XIncludeFile "common.pbi"

ProcedureDLL Wave_Open(file$, flags.l = 0)
EndProcedure
