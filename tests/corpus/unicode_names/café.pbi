; Grüße aus café.pbi: UTF-8 without a byte-order mark
ProcedureDLL Cafe(name.s = "café")
EndProcedure
