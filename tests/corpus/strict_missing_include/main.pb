; Updater.dll - checks the update server for a newer release
EnableExplicit

XIncludeFile "http.pbi"
XIncludeFile "secrets.pbi"   ; not in the repository: copy secrets.pbi.example

ProcedureDLL.l Update_Check(current.l)
  Protected latest.l = Val(Http_GetText(#UpdateServer + "/latest"))
  ProcedureReturn Bool(latest > current)
EndProcedure
