; Greeter plugin for the chat host. Every export goes through PluginExport,
; which adds the plugin prefix the host looks for.
EnableExplicit

Macro PluginExport(name)
  ProcedureDLL.l Plugin_#name()
EndMacro

Macro PluginExportText(name)
  ProcedureDLL.s PluginText_#name()
EndMacro

PluginExport(Init)
  ProcedureReturn #True
EndProcedure

PluginExportText(Name)
  ProcedureReturn "Greeter"
EndProcedure

PluginExport(Version)
  ProcedureReturn 2
EndProcedure
