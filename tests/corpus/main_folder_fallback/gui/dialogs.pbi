XIncludeFile "shared/types.pbi"
XIncludeFile "shared/strings.pbi"

ProcedureDLL.l AskYesNo(title.s, text.s)
  LastResult\Button = MessageRequester(title, text, #PB_MessageRequester_YesNo)
  ProcedureReturn Bool(LastResult\Button = #PB_MessageRequester_Yes)
EndProcedure

ProcedureDLL.s AskText(title.s, text.s, default.s = "")
  LastResult\Text = InputRequester(title, text, default)
  ProcedureReturn LastResult\Text
EndProcedure
