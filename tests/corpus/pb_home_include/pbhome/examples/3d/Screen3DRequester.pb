; Asks for the screen mode (a copy of the one in PureBasic's examples folder)
ProcedureDLL.l Screen3DRequester_Run(title.s)
  ProcedureReturn 0
EndProcedure
