; Shared by every part of the DLL; it lies beside main.pb.
ProcedureCDLL.d Gain_dB(level.d)
  ProcedureReturn 20 * Log10(level)
EndProcedure
