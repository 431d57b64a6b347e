XIncludeFile "..\Include\Helpers.pbi"

ProcedureDLL.l ResizeKeepAspect(image.i, maxWidth.l, maxHeight.l)
  Protected w.d = ImageWidth(image), h.d = ImageHeight(image)
  Protected f.d = maxWidth / w
  If h * f > maxHeight : f = maxHeight / h : EndIf
  ProcedureReturn ResizeImage(image, w * f, h * f)
EndProcedure
