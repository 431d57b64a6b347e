; Only for debug builds: dumps the pending include list
ProcedureDLL DebugDump()
  ForEach Pending()
    Debug Pending()
  Next
EndProcedure
