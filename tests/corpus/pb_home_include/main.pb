; Screen.dll - the 3D examples' screen requester, built into a DLL
IncludeFile #PB_Compiler_Home + "examples/3d/Screen3DRequester.pb"

ProcedureDLL.l Screen_Open()
  ProcedureReturn Screen3DRequester_Run("Screen")
EndProcedure
