; Checksum.dll - checksums for the updater
EnableExplicit

CompilerIf #False
  ; kept for the old updater, switched off since 2.0
  XIncludeFile "legacy.pbi"
  ProcedureDLL.l Crc16(*buffer, length.l)
    ProcedureReturn 0
  EndProcedure
CompilerEndIf

ProcedureDLL.l Crc32(*buffer, length.l)
  ProcedureReturn CRC32Fingerprint(*buffer, length)
EndProcedure

CompilerIf #PB_Compiler_ExecutableFormat = #PB_Compiler_DLL And #PB_Compiler_Unicode
  ProcedureDLL.s Md5Text(text.s)
    ProcedureReturn StringFingerprint(text, #PB_Cipher_MD5)
  EndProcedure
CompilerElse
  ProcedureDLL.s Md5Text(text.s, format.l)
    ProcedureReturn StringFingerprint(text, #PB_Cipher_MD5, 0, format)
  EndProcedure
CompilerEndIf
