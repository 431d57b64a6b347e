; VecMath.dll - 3D vector helpers for the game's script engine
EnableExplicit

#Epsilon = 0.00001

Structure Vec3
  x.f
  y.f
  z.f
EndStructure

ProcedureDLL Vec3_Set(*v.Vec3, x.f = 0.0, y.f = 0.0, z.f = 0.0)
  *v\x = x : *v\y = y : *v\z = z
EndProcedure

ProcedureDLL Vec3_Add(*a.Vec3, *b.Vec3, *out.Vec3)
  *out\x = *a\x + *b\x
  *out\y = *a\y + *b\y
  *out\z = *a\z + *b\z
EndProcedure

ProcedureDLL Vec3_Scale(*v.Vec3, factor.f = (1.0 / 3.0))
  *v\x * factor : *v\y * factor : *v\z * factor
EndProcedure

ProcedureDLL.f Vec3_Length(*v.Vec3)
  ProcedureReturn Sqr(*v\x * *v\x + *v\y * *v\y + *v\z * *v\z)
EndProcedure

ProcedureDLL.l Vec3_Equal(*a.Vec3, *b.Vec3, tolerance.f = (#Epsilon * 10))
  ProcedureReturn Bool(Abs(*a\x - *b\x) < tolerance And Abs(*a\y - *b\y) < tolerance And Abs(*a\z - *b\z) < tolerance)
EndProcedure

ProcedureDLL Vec3_Copy(*src.Vec3, *dst.Vec3, bytes.l = SizeOf(Vec3))
  CopyMemory(*src, *dst, bytes)
EndProcedure

ProcedureDLL Vec3_Fill(*first.Vec3, count.l = (4 * 4), value.f = 1.0)
  Protected i.l
  For i = 0 To count - 1
    Vec3_Set(*first + i * SizeOf(Vec3), value, value, value)
  Next
EndProcedure

ProcedureDLL.f Clamp(v.f, lo.f = (-1.0), hi.f = (1.0))
  If v < lo : ProcedureReturn lo : EndIf
  If v > hi : ProcedureReturn hi : EndIf
  ProcedureReturn v
EndProcedure
