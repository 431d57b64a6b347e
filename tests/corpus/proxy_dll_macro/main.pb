; version.dll proxy: every export jumps to the real version.dll, loaded at start-up
EnableExplicit

Macro DeclareProxyFunc(DllName, FuncName)
  Global p#FuncName
  ProcedureDLL FuncName()
    !jmp [v_p#FuncName]
  EndProcedure
EndMacro

DeclareProxyFunc(version, GetFileVersionInfoA)
DeclareProxyFunc(version, GetFileVersionInfoSizeA)
DeclareProxyFunc(version, VerQueryValueA)

ProcedureDLL AttachProcess(instance)
  Protected real = OpenLibrary(#PB_Any, "C:\Windows\System32\version.dll")
  pGetFileVersionInfoA = GetFunction(real, "GetFileVersionInfoA")
  pGetFileVersionInfoSizeA = GetFunction(real, "GetFileVersionInfoSizeA")
  pVerQueryValueA = GetFunction(real, "VerQueryValueA")
EndProcedure
