x = "a" ; "b" isn't
ProcedureDLL Vec3_Add(a.l, c.c = ',')
