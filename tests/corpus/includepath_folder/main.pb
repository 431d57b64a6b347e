; Crypto.dll - our code lives in src/, third-party code in vendor/
EnableExplicit

IncludePath "src/"
; IncludePath "old/"   (layout before 2.0)
XIncludeFile "sha256.pbi"
XIncludeFile "base64.pbi"

IncludePath "vendor/"
XIncludeFile "md5.pbi"

ProcedureDLL.s Crypto_Version()
  ProcedureReturn "1.0"
EndProcedure
