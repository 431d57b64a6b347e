; Geometry.dll - rectangles and points, passed by pointer
EnableExplicit

Structure PointD
  x.d
  y.d
EndStructure

Structure RectL
  left.l
  top.l
  right.l
  bottom.l
EndStructure

ProcedureDLL.l Rect_Width(*r.RectL)
  ProcedureReturn *r\right - *r\left
EndProcedure

ProcedureDLL.l Rect_Contains(*r.RectL, x.l, y.l)
  ProcedureReturn Bool(x >= *r\left And x < *r\right And y >= *r\top And y < *r\bottom)
EndProcedure

ProcedureDLL Rect_Offset(*r.RectL, dx.l, dy.l)
  *r\left + dx : *r\right + dx
  *r\top + dy : *r\bottom + dy
EndProcedure

ProcedureDLL.d Point_Distance(*a.PointD, *b.PointD)
  ProcedureReturn Sqr(Pow(*b\x - *a\x, 2) + Pow(*b\y - *a\y, 2))
EndProcedure

ProcedureDLL.i CopyBytes(*dest, *source, size.i)
  CopyMemory(*source, *dest, size)
  ProcedureReturn *dest
EndProcedure

ProcedureDLL.l FillBuffer(*buffer.Ascii, size.l, value.a)
  FillMemory(*buffer, size, value, #PB_Ascii)
  ProcedureReturn size
EndProcedure
