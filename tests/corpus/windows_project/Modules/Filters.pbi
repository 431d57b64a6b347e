XIncludeFile "..\Common\Errors.pbi"

ProcedureDLL.l Filter_Grayscale(image.i)
  Protected x.l, y.l, c.l, g.l
  If StartDrawing(ImageOutput(image)) = 0
    SetLastErrorText("can't draw on the image")
    ProcedureReturn #False
  EndIf
  For y = 0 To ImageHeight(image) - 1
    For x = 0 To ImageWidth(image) - 1
      c = Point(x, y)
      g = (Red(c) * 30 + Green(c) * 59 + Blue(c) * 11) / 100
      Plot(x, y, RGB(g, g, g))
    Next
  Next
  StopDrawing()
  ProcedureReturn #True
EndProcedure

ProcedureDLL.l Filter_Blur(image.i, radius.l = 2)
  ProcedureReturn #False   ; not done yet
EndProcedure
