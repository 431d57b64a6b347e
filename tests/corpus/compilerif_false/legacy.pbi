; The updater 1.x entry points
ProcedureDLL.l Crc8(*buffer, length.l)
  ProcedureReturn 0
EndProcedure
