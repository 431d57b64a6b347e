; Defaults of the port settings
Global Parity$ = "N" ; "E" won't work with most USB adapters
Global Timeout.l = 500

ProcedureDLL.l Serial_GetTimeout
  ProcedureReturn Timeout
EndProcedure
