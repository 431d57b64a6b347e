; Settings.dll - the C header says BOOL, so the source says boolean
EnableExplicit

Macro boolean : i : EndMacro

ProcedureDLL.boolean Settings_Init(flag.boolean)
  ProcedureReturn #True
EndProcedure

ProcedureDLL.boolean Settings_Save(path.s, pretty.boolean = #False)
  ProcedureReturn #True
EndProcedure
