; SHA-256 through PureBasic's fingerprint library
UseSHA2Fingerprint()

ProcedureDLL.s Sha256Hex(text.s)
  ProcedureReturn StringFingerprint(text, #PB_Cipher_SHA2, 256)
EndProcedure

ProcedureDLL.s Sha256File(path.s)
  ProcedureReturn FileFingerprint(path, #PB_Cipher_SHA2, 256)
EndProcedure
