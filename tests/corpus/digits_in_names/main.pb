; Codec.dll - checksums and encodings for the upload tool
EnableExplicit

#Max2D = 2048
#CRC32_Poly = $EDB88320

Global Dim Crc32Table.l(255)

Procedure InitCrc32()
  Protected i.l, j.l, c.l
  For i = 0 To 255
    c = i
    For j = 0 To 7
      If c & 1
        c = #CRC32_Poly ! ((c >> 1) & $7FFFFFFF)
      Else
        c = (c >> 1) & $7FFFFFFF
      EndIf
    Next
    Crc32Table(i) = c
  Next
EndProcedure

ProcedureDLL AttachProcess(Instance)
  InitCrc32()
EndProcedure

ProcedureDLL.l Crc32(*buffer, len.l, crc.l = 0)
  Protected i.l, *p.Ascii = *buffer
  crc = ~crc
  For i = 1 To len
    crc = Crc32Table((crc ! *p\a) & $FF) ! ((crc >> 8) & $FFFFFF)
    *p + 1
  Next
  ProcedureReturn ~crc
EndProcedure

ProcedureDLL.l Adler32(*buffer, len.l)
  Protected a.l = 1, b.l = 0, i.l, *p.Ascii = *buffer
  For i = 1 To len
    a = (a + *p\a) % 65521
    b = (b + a) % 65521
    *p + 1
  Next
  ProcedureReturn (b << 16) | a
EndProcedure

ProcedureDLL.s Md5Hex(text.s)
  ProcedureReturn StringFingerprint(text, #PB_Cipher_MD5)
EndProcedure

ProcedureDLL.l Utf8Length(text.s)
  ProcedureReturn StringByteLength(text, #PB_UTF8)
EndProcedure

ProcedureDLL.i Base64Encode(*in, inLen.l, *b64Out, b64Size.l)
  ProcedureReturn Base64EncoderBuffer(*in, inLen, *b64Out, b64Size)
EndProcedure

ProcedureDLL.l Clip2D(x.l = #Max2D, y.l = #Max2D)
  ProcedureReturn Bool(x <= #Max2D And y <= #Max2D)
EndProcedure
