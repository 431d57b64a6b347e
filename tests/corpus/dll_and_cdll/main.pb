; Audio.dll - stdcall API for PureBasic hosts, cdecl callbacks for the C mixer
EnableExplicit

Global Volume.f = 1.0

ProcedureDLL.l Audio_Init(rate.l = 44100)
  ProcedureReturn InitSound()
EndProcedure

ProcedureDLL Audio_Free()
EndProcedure

PROCEDURECDLL.l Mixer_Callback(*buffer, frames.l, *user)
  ProcedureReturn frames
EndProcedure

ProcedureCDll Mixer_SetVolume(volume.f = 1.0)
  Volume = volume
EndProcedure

procedurecdll.f Mixer_GetPeak(channel.l)
  ProcedureReturn Volume
EndProcedure

ProcedureCDLL.s Mixer_DeviceName(index.l)
  ProcedureReturn "default"
EndProcedure

ProcedureDLL.l Audio_Play(*sound, loops.l = 0)
  ProcedureReturn PlaySound(*sound, loops)
EndProcedure
