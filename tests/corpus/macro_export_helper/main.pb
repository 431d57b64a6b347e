; Colors.dll - named colors for the skin engine
EnableExplicit

; Every getter of a named color looks the same, so a macro writes them.
Macro ColorGetter(name, value)
  ProcedureDLL.l Color_#name()
    ProcedureReturn value
  EndProcedure
EndMacro

; Shorter to type.
macro EXPORT
  ProcedureDLL
endmacro

ColorGetter(Red, $0000FF)
ColorGetter(Green, $00FF00)
ColorGetter(Blue, $FF0000)

EXPORT.l Color_Mix(a.l, b.l)
  ProcedureReturn ((a & $FEFEFE) >> 1) + ((b & $FEFEFE) >> 1)
EndProcedure

ProcedureDLL.l Color_RGB(r.a, g.a, b.a)
  ProcedureReturn RGB(r, g, b)
EndProcedure

ProcedureDLL.s Color_ToHex(color.l)
  ProcedureReturn "#" + RSet(Hex(color), 6, "0")
EndProcedure
