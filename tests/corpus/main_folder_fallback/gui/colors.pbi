XIncludeFile "gui/dialogs.pbi"

ProcedureDLL.l PickColor(start.l = $FFFFFF)
  ProcedureReturn ColorRequester(start)
EndProcedure
