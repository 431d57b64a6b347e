; libpbzip.so - zip archives for C programs on Linux.
; Everything is called from C, so every export uses the C calling convention.
EnableExplicit
UseZipPacker()

ProcedureCDLL.i pbzip_open(path.s)
  ProcedureReturn CreatePack(#PB_Any, path, #PB_PackerPlugin_Zip)
EndProcedure

ProcedureCDLL.l pbzip_add_file(archive.i, file.s, name.s)
  ProcedureReturn AddPackFile(archive, file, name)
EndProcedure

ProcedureCDLL pbzip_close(archive.i)
  ClosePack(archive)
EndProcedure

ProcedureCDLL.s pbzip_version()
  ProcedureReturn "pbzip 0.3"
EndProcedure

; Not for C callers
Procedure.l CheckArchive(archive.i)
  ProcedureReturn IsPack(archive)
EndProcedure
