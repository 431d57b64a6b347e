; Helpers shared by all modules
IncludePath "..\Common\"
XIncludeFile "Errors.pbi"

Procedure.l CheckImage(image.i)
  If IsImage(image) = 0
    SetLastErrorText("invalid image")
    ProcedureReturn #False
  EndIf
  ProcedureReturn #True
EndProcedure

ProcedureDLL.l LoadImageFile(file.s, flags.l = 0)
  ProcedureReturn LoadImage(#PB_Any, file, flags)
EndProcedure

ProcedureDLL FreeImageHandle(image.i)
  If CheckImage(image) : FreeImage(image) : EndIf
EndProcedure
