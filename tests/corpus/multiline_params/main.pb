; Net.dll - a small blocking TCP client for the scripting host
EnableExplicit

ProcedureDLL.i Connect(host.s,
                       port.l,
                       timeout.l = 5000)
  ProcedureReturn OpenNetworkConnection(host, port, #PB_Network_TCP | #PB_Network_IPv4, timeout)
EndProcedure

ProcedureDLL.l Send(connection.i,    ; from Connect()
                    *buffer,         ; the bytes to send (
                    length.l)        ; how many of them
  ProcedureReturn SendNetworkData(connection, *buffer, length)
EndProcedure

ProcedureDLL.l Receive(
    connection.i, *buffer, length.l,
    timeout.l = 1000)
  Protected start.q = ElapsedMilliseconds()
  Repeat
    If NetworkClientEvent(connection) = #PB_NetworkEvent_Data
      ProcedureReturn ReceiveNetworkData(connection, *buffer, length)
    EndIf
    Delay(10)
  Until ElapsedMilliseconds() - start > timeout
  ProcedureReturn 0
EndProcedure

ProcedureDLL Disconnect(connection.i)
  CloseNetworkConnection(connection)
EndProcedure
