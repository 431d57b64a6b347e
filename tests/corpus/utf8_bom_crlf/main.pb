; Wetter.dll – Temperaturumrechnung für die Wetterstation (Jörg, 2019)
EnableExplicit

ProcedureDLL.d CelsiusToFahrenheit(c.d)
  ProcedureReturn c * 1.8 + 32
EndProcedure

ProcedureDLL.d FahrenheitToCelsius(f.d)
  ProcedureReturn (f - 32) / 1.8
EndProcedure

; Einheit als Text anhängen, z.B. "21.5 °C"
ProcedureDLL.s FormatTemp(value.d, unit.s = "°C")
  ProcedureReturn StrD(value, 1) + " " + unit
EndProcedure
