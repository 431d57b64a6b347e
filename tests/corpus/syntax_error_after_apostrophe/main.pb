; Serial.dll - serial port access for the host's script language
EnableExplicit

XIncludeFile "settings.pbi"

ProcedureDLL.l Serial_Open(port.s, baud.l = 9600)
  ProcedureReturn OpenSerialPort(#PB_Any, port, baud, #PB_SerialPort_NoParity, 8, 1, #PB_SerialPort_NoHandshake, 1024, 1024)
EndProcedure
