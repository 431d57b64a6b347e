; MD5 helpers (from the forum, public domain)
XIncludeFile "md5_tables.pbi"
UseMD5Fingerprint()

ProcedureDLL.s Md5Hex(text.s)
  ProcedureReturn StringFingerprint(text, #PB_Cipher_MD5)
EndProcedure
