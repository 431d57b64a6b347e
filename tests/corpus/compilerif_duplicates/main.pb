; SysInfo.dll / libsysinfo.so - one source for Windows, Linux and macOS
EnableExplicit

CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  ProcedureDLL.s GetConfigDir()
    ProcedureReturn GetEnvironmentVariable("APPDATA") + "\SysInfo\"
  EndProcedure

  ProcedureDLL.l GetCpuCount()
    ProcedureReturn CountCPUs(#PB_System_ProcessCPUs)
  EndProcedure

  ProcedureDLL.i OpenPort(port.s = "COM1", baud.l = 9600)
    ProcedureReturn OpenSerialPort(#PB_Any, port, baud, #PB_SerialPort_NoParity, 8, 1, #PB_SerialPort_NoHandshake, 1024, 1024)
  EndProcedure

CompilerElseIf #PB_Compiler_OS = #PB_OS_Linux
  ProcedureDLL.s GetConfigDir()
    ProcedureReturn GetHomeDirectory() + ".config/sysinfo/"
  EndProcedure

  ; C programs load the .so too: cdecl on Linux
  ProcedureCDLL.l GetCpuCount()
    ProcedureReturn CountCPUs(#PB_System_ProcessCPUs)
  EndProcedure

  ProcedureDLL.i OpenPort(port.s = "/dev/ttyS0", baud.l = 9600)
    ProcedureReturn OpenSerialPort(#PB_Any, port, baud, #PB_SerialPort_NoParity, 8, 1, #PB_SerialPort_NoHandshake, 1024, 1024)
  EndProcedure

CompilerElse
  ; macOS port, contributed
  ProcedureDLL.s getconfigdir()
    ProcedureReturn GetHomeDirectory() + "Library/Application Support/SysInfo/"
  EndProcedure

  ProcedureCDLL.l GetCPUCount()
    ProcedureReturn CountCPUs(#PB_System_ProcessCPUs)
  EndProcedure

  ProcedureDLL.i OpenPort(port.s = "/dev/cu.usbserial", baud.l = 9600)
    ProcedureReturn OpenSerialPort(#PB_Any, port, baud, #PB_SerialPort_NoParity, 8, 1, #PB_SerialPort_NoHandshake, 1024, 1024)
  EndProcedure
CompilerEndIf

ProcedureDLL ClosePort(port.i)
  CloseSerialPort(port)
EndProcedure
