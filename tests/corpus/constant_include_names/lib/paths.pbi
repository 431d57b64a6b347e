ProcedureDLL.s Archive_Folder()
  ProcedureReturn GetTemporaryDirectory()
EndProcedure
